// The recording View used by the logic tests.
#include "tests/support/recording_view.h"

namespace gachapoko::test {

std::string toUtf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        // The game's texts are all in the Basic Multilingual Plane: no surrogate pairs.
        const auto u = static_cast<unsigned>(c);
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

Op picture(int id) {
    return "Picture " + std::to_string(id);
}
Op caption(int line, std::u16string_view text) {
    return "Caption " + std::to_string(line) + " \"" + toUtf8(text) + "\"";
}
Op caption(int line, std::string_view utf8) {
    return "Caption " + std::to_string(line) + " \"" + std::string(utf8) + "\"";
}
Op site(int index, bool enabled) {
    return "Site " + std::to_string(index) + (enabled ? " on" : " off");
}
Op next(bool visible) {
    return visible ? "Next shown" : "Next hidden";
}
Op timer(int milliseconds) {
    return "Timer " + std::to_string(milliseconds);
}

std::vector<Op> allSites(bool enabled) {
    std::vector<Op> ops;
    for (int i = 0; i < 6; ++i) {
        ops.push_back(site(i, enabled));
    }
    return ops;
}

void RecordingView::SetPicture(PictureId id) {
    picture = id;
    m_ops.push_back(test::picture(id));
}

void RecordingView::SetCaption(CaptionLine line, std::u16string_view text) {
    captions.at(static_cast<std::size_t>(line)) = std::u16string(text);
    m_ops.push_back(caption(line, text));
}

void RecordingView::SetSiteEnabled(SiteIndex index, bool enabled) {
    sitesEnabled.at(static_cast<std::size_t>(index)) = enabled;
    m_ops.push_back(site(index, enabled));
}

void RecordingView::SetNextVisible(bool visible) {
    nextVisible = visible;
    m_ops.push_back(next(visible));
}

void RecordingView::SetTimerInterval(std::int32_t milliseconds) {
    timerInterval = milliseconds;
    m_ops.push_back(timer(milliseconds));
}

std::vector<Op> RecordingView::take() {
    std::vector<Op> ops;
    ops.swap(m_ops);
    return ops;
}

} // namespace gachapoko::test
