#pragma once
// Checks every composed document must pass: its texts in the order they are drawn, and nothing of
// it outside the paper or outside its own box.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/print_document.h"

namespace suimei::print::testing {

// The texts of a page (or of the whole document) in drawing order.
inline std::vector<std::string> textsOf(const PrintPage& page) {
    std::vector<std::string> texts;
    for (const PrintItem& item : page.items) {
        if (item.kind == ItemKind::Text) texts.push_back(item.text);
    }
    return texts;
}
inline std::vector<std::string> textsOf(const PrintDocument& doc) {
    std::vector<std::string> texts;
    for (const PrintPage& page : doc.pages) {
        const auto t = textsOf(page);
        texts.insert(texts.end(), t.begin(), t.end());
    }
    return texts;
}

// Index of the first text after `from` that equals `text` (or contains it), -1 when none.
inline int indexOf(const std::vector<std::string>& texts, const std::string& text, int from = -1,
                   bool containing = false) {
    for (int i = from + 1; i < static_cast<int>(texts.size()); ++i) {
        const std::string& t = texts[static_cast<std::size_t>(i)];
        if (containing ? t.find(text) != std::string::npos : t == text) return i;
    }
    return -1;
}

// The texts hold `expected` in this order (others may stand between them).
inline void expectInOrder(const std::vector<std::string>& texts,
                          const std::vector<std::string>& expected) {
    int at = -1;
    for (const std::string& e : expected) {
        const int next = indexOf(texts, e, at);
        ASSERT_GT(next, at) << "missing or out of order: " << e;
        at = next;
    }
}

// Every item lies on the paper, and every text fits its box: its wrapped lines at 1.2 times the
// font's size are no taller than the box.
inline void expectEverythingOnThePage(const PrintDocument& doc) {
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        for (const PrintItem& item : doc.pages[p].items) {
            const double left = std::min(item.x, item.x + item.width);
            const double right = std::max(item.x, item.x + item.width);
            const double top = std::min(item.y, item.y + item.height);
            const double bottom = std::max(item.y, item.y + item.height);
            EXPECT_GE(left, 0) << "page " << p + 1 << ": " << item.text;
            EXPECT_GE(top, 0) << "page " << p + 1 << ": " << item.text;
            EXPECT_LE(right, doc.paperWidth) << "page " << p + 1 << ": " << item.text;
            EXPECT_LE(bottom, doc.paperHeight) << "page " << p + 1 << ": " << item.text;
            if (item.kind != ItemKind::Text) continue;
            const auto lines = wrapText(item.text, item.width, item.pointSize);
            const double needed =
                static_cast<double>(lines.size()) * item.pointSize * kMillimetresPerPoint * 1.2;
            EXPECT_LE(needed, item.height + 1e-6)
                << "page " << p + 1 << ": \"" << item.text << "\" needs " << lines.size()
                << " lines in a box " << item.height << " mm high";
        }
    }
}

}  // namespace suimei::print::testing
