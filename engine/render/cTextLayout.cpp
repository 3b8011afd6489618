#include "engine/render/cTextLayout.h"

#include <algorithm>  // std::max

#include "engine/render/eTextFormat.h"

namespace Engine {

namespace {

constexpr uint32_t kLineFeed = '\n';
constexpr uint32_t kCarriageReturn = '\r';
constexpr uint32_t kTab = '\t';
constexpr uint32_t kSpace = ' ';
constexpr int32_t kTabColumns = 8;

bool IsBlank(uint32_t code) { return code == kSpace || code == kTab; }

// The length of the UTF-8 sequence that starts with lead, or 0 for a byte that starts none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

// The code point of a valid sequence of length bytes at text[i], or nothing.
bool DecodeSequence(const std::string& text, std::size_t i, int length, uint32_t& code) {
    if (length < 2 || i + length > text.size()) return false;
    code = static_cast<unsigned char>(text[i]) & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return false;
        code = (code << 6) | (next & 0x3F);
    }
    return true;
}

}  // namespace

cTextLayout::cTextLayout(Advance advance_, int32_t line_height_)
    : advance(std::move(advance_)), line_height(line_height_) {}

std::vector<PlacedGlyph> cTextLayout::Layout(const std::string& text, const TextRect& rect, uint32_t format) const {
    const int32_t width = std::max(0, rect.right - rect.left);
    const int32_t height = std::max(0, rect.bottom - rect.top);
    const std::vector<Line> lines = BreakLines(DecodeUtf8(text), width, format);
    const int32_t block_height = static_cast<int32_t>(lines.size()) * line_height;
    int32_t y = rect.top;
    if (format & TF_Bottom) {
        y = rect.top + height - block_height;
    } else if (format & TF_VCenter) {
        y = rect.top + (height - block_height) / 2;
    }
    std::vector<PlacedGlyph> placed;
    for (const Line& line : lines) {
        const int32_t line_width = LineWidth(line, format);
        int32_t pen = 0;
        int32_t x = rect.left;
        if (format & TF_Right) {
            x = rect.left + width - line_width;
        } else if (format & TF_Center) {
            x = rect.left + (width - line_width) / 2;
        }
        for (const uint32_t code : line) {
            if (!IsBlank(code)) placed.push_back({code, x + pen, y});
            pen += AdvanceAt(code, pen, format);
        }
        y += line_height;
    }
    return placed;
}

std::vector<uint32_t> cTextLayout::DecodeUtf8(const std::string& text) {
    std::vector<uint32_t> codes;
    codes.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = SequenceLength(lead);
        uint32_t code = 0;
        if (DecodeSequence(text, i, length, code)) {
            codes.push_back(code);
            i += length;
        } else {
            codes.push_back(lead);
            ++i;
        }
    }
    return codes;
}

std::vector<cTextLayout::Line> cTextLayout::BreakLines(const std::vector<uint32_t>& codes, int32_t width,
                                                       uint32_t format) const {
    std::vector<Line> lines;
    Line paragraph;
    const bool single_line = (format & TF_SingleLine) != 0;
    for (const uint32_t code : codes) {
        if (code == kCarriageReturn) continue;
        if (code == kLineFeed && !single_line) {
            WrapParagraph(paragraph, width, format, lines);
            paragraph.clear();
            continue;
        }
        paragraph.push_back(code == kLineFeed ? kSpace : code);
    }
    WrapParagraph(paragraph, width, format, lines);
    return lines;
}

void cTextLayout::WrapParagraph(const Line& paragraph, int32_t width, uint32_t format, std::vector<Line>& lines) const {
    if (!(format & TF_WordBreak) || width <= 0) {
        lines.push_back(paragraph);
        return;
    }
    Line line;
    std::size_t i = 0;
    while (i < paragraph.size()) {
        std::size_t word_end = i;
        while (word_end < paragraph.size() && !IsBlank(paragraph[word_end])) ++word_end;
        std::size_t blank_end = word_end;
        while (blank_end < paragraph.size() && IsBlank(paragraph[blank_end])) ++blank_end;
        Line candidate = line;
        candidate.insert(candidate.end(), paragraph.begin() + i, paragraph.begin() + word_end);
        if (!line.empty() && LineWidth(candidate, format) > width) {
            while (!line.empty() && IsBlank(line.back())) line.pop_back();
            lines.push_back(line);
            line.assign(paragraph.begin() + i, paragraph.begin() + blank_end);
        } else {
            line.insert(line.end(), paragraph.begin() + i, paragraph.begin() + blank_end);
        }
        i = blank_end;
    }
    while (!line.empty() && IsBlank(line.back())) line.pop_back();
    lines.push_back(line);
}

int32_t cTextLayout::AdvanceAt(uint32_t code, int32_t pen, uint32_t format) const {
    if (code != kTab) return advance(code);
    if (!(format & TF_ExpandTabs)) return advance(kSpace);
    const int32_t stop = std::max(1, advance(kSpace) * kTabColumns);
    return stop - pen % stop;
}

int32_t cTextLayout::LineWidth(const Line& line, uint32_t format) const {
    int32_t pen = 0;
    for (const uint32_t code : line) pen += AdvanceAt(code, pen, format);
    return pen;
}

}  // namespace Engine
