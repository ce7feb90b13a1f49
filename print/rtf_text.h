#pragma once
// Rich text files (RTF) as the basic-knowledge text is shipped: paragraphs of runs with their
// weight, slant and size. Enough of the format for a text written in a word processor: groups,
// \par and \line, \b \i \fs, \qc, \pard and \plain, \'hh bytes read as CP932 (the code page of
// Japanese word processors), \uN characters with their fallbacks skipped, and the destinations
// that carry no text (font and colour tables, pictures, document information, \*-groups) left out.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace suimei::print {

struct RtfRun {
    std::string text;  // UTF-8
    bool bold = false;
    bool italic = false;
    double pointSize = 12;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
    bool centred = false;
    std::string plainText() const;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
};

// The paragraphs of an RTF text; nullopt when the bytes are not RTF (they must start with
// "{\rtf") or their groups do not close.
std::optional<RtfDocument> parseRtf(std::string_view bytes);

// RTF of a text kept as simple HTML (UTF-8): h1..h3 as bold headings (centred with
// align="center"), p, b, br, ul/li as "・" items and each table row as one paragraph of its cells
// separated by "　" (header cells bold); comments and the head are left out, entities &amp; &lt;
// &gt; &quot; &nbsp; read. Every character outside ASCII is written as \uN? so the file is plain
// ASCII. The shipped basic-knowledge text is written this way and staged as RTF.
std::string rtfFromSimpleHtml(std::string_view html);

}  // namespace suimei::print
