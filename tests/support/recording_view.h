// A View that remembers every operation in the order the game performed it, and what the window
// would show after them, so tests can compare whole sequences and screens.
#pragma once

#include "logic/view.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace gachapoko::test {

// One View operation as text, e.g. `Picture 102`, `Caption 1 "行きたい場所を選んで下さい"`,
// `Site 3 on`, `Next hidden`, `Timer 10000`. Plain strings make failures easy to read.
using Op = std::string;

Op picture(int id);
Op caption(int line, std::u16string_view text);
Op caption(int line, std::string_view utf8); // the text written as UTF-8
Op site(int index, bool enabled);
Op next(bool visible);
Op timer(int milliseconds);

// The six site operations of switching all sites, in index order.
std::vector<Op> allSites(bool enabled);

std::string toUtf8(std::u16string_view text);

class RecordingView : public View {
public:
    void SetPicture(PictureId id) override;
    void SetCaption(CaptionLine line, std::u16string_view text) override;
    void SetSiteEnabled(SiteIndex site, bool enabled) override;
    void SetNextVisible(bool visible) override;
    void SetTimerInterval(std::int32_t milliseconds) override;

    // Operations since the last take(), which then forgets them.
    std::vector<Op> take();

    // What the window shows now.
    int picture = 101; // the window starts on the title picture
    std::array<std::u16string, 3> captions{};
    std::array<bool, 6> sitesEnabled{};
    bool nextVisible = true;
    int timerInterval = 0;

private:
    std::vector<Op> m_ops;
};

} // namespace gachapoko::test
