#pragma once
// Printing of a window's drawing until the printing layer takes documents of its own: the widget
// is rendered onto one page, scaled to fit and centred.

class QPrinter;
class QString;
class QWidget;

namespace suimei {

class Notifier;

// Prints `widget`. Without `printer`, asks "印刷のプレビュー画面を表示しますか？": yes shows the
// print preview, no the printer dialog (both offer printing to a PDF file). With `printer` (set
// up by the caller, e.g. for a PDF file) renders into it at once without asking.
void printWidget(QWidget& widget, const QString& documentName, Notifier& notifier,
                 QPrinter* printer = nullptr);

}  // namespace suimei
