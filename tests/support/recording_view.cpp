// The recording View used by the logic tests.
#include "tests/support/recording_view.h"

#include <codecvt>
#include <locale>
#include <utility>

namespace gachapoko::test {

std::string toUtf8(std::u16string_view text) {
    std::wstring_convert<std::codecvt_utf8_utf16<char16_t>, char16_t> converter;
    return converter.to_bytes(text.data(), text.data() + text.size());
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
    return std::exchange(m_ops, {});
}

} // namespace gachapoko::test
