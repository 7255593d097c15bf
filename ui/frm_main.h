// FrmMain, the game's only window: the picture area with its six sites, the "Next" button, the
// three caption lines and the bout timer. It owns the game, offers it the View and hands every
// mouse event, button press and timer tick to the game's handlers, one at a time.
#pragma once

#include "logic/game.h"
#include "logic/view.h"
#include "ui/bout_timer.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace gachapoko {

class Announcer;
class ButtonKeys;
class PictureArea;

class FrmMain : public QWidget, public View {
    Q_OBJECT
public:
    // Creates the window hidden, every control in its initial state: the title picture, empty
    // caption lines, "Next" shown, the sites disabled, the timer stopped.
    FrmMain();
    ~FrmMain() override;

    // The start of a run: Form_Load while still hidden, then the window is shown centred on the
    // screen with the focus on "Next"; a screen reader hears the welcome once it has the window.
    void start();

    // The one face and size for the window and every control: a Japanese Gothic at 12 pixels,
    // small enough that every caption of the game fits inside its line, or the best
    // installed face that shows Japanese (see caption_font.h).
    static QFont defaultFont();

    const GameState& gameState() const { return m_game.state(); }
    PictureArea* picMain() const { return m_picMain; }
    QPushButton* cmdNext() const { return m_cmdNext; }
    QLabel* lblMs(CaptionLine line) const;
    const BoutTimer& timer() const { return m_timer; }
    Announcer* announcer() const { return m_announcer; }

    // The View: what the game's handlers may change, each taking effect at once.
    void SetPicture(PictureId id) override;
    void SetCaption(CaptionLine line, std::u16string_view text) override;
    void SetSiteEnabled(SiteIndex site, bool enabled) override;
    void SetNextVisible(bool visible) override;
    void SetTimerInterval(std::int32_t milliseconds) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void routeEvents();
    void colourCaptionLines();
    // Runs one handler of the game that a player's action or the timer calls, then puts the
    // keyboard on "Next" if it came back, and has a screen reader say what the handler showed.
    template <typename Handler>
    void handle(Handler handler);
    void sayWhatWasShown();

    BoutTimer m_timer;
    QPushButton* m_cmdNext = nullptr;
    PictureArea* m_picMain = nullptr;
    std::array<QLabel*, CaptionLineCount> m_lblMs{};
    ButtonKeys* m_nextKeys = nullptr;
    Announcer* m_announcer = nullptr;
    // What the running handler showed, for a screen reader: the new picture's name and the
    // caption lines it wrote, in order. Moves of the pointer show nothing to be said.
    bool m_collecting = false;
    QString m_shownPicture;
    QStringList m_shownLines;
    bool m_welcomeSaid = false;
    Game m_game{*this};
};

} // namespace gachapoko
