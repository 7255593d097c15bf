// The main window: its controls, the View they offer the game and the routing of events.
#include "ui/frm_main.h"

#include "assets/picture_lookup.h"
#include "logic/site_table.h"
#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/button_keys.h"
#include "ui/caption_colours.h"
#include "ui/caption_font.h"
#include "ui/game_text.h"
#include "ui/layout.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace gachapoko {

namespace {

using layout::CmdNextRect;
using layout::LblMsRects;

QImage pictureOrBlank(PictureId id) {
    std::optional<QImage> picture = loadPicture(id);
    return picture ? *picture : QImage();
}

} // namespace

QFont FrmMain::defaultFont() {
    return captionFont().font;
}

FrmMain::FrmMain()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint) {
    installAccessibleInterfaces(staticMetaObject);
    setWindowTitle(toQString(GameTitle));
    setWindowIcon(loadProgramIcon());
    setFixedSize(layout::ClientWidth, layout::ClientHeight);
    setFont(defaultFont());

    // The window's background is the button face of whatever palette the desktop gives.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    createControls();
    routeEvents();
}

FrmMain::~FrmMain() = default;

// Qt stacks a later sibling over an earlier one, so the controls are made bottom first: the
// caption lines 0 to 2 (line 2 over line 1 over line 0 on their shared rows), the picture area,
// then the button. The timer is not a control on screen.
void FrmMain::createControls() {
    for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
        auto* label = new QLabel(this);
        label->setGeometry(LblMsRects[static_cast<std::size_t>(line)]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignCenter);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(false);
        // Their own colour roles: a child would otherwise take the window's button face.
        label->setBackgroundRole(QPalette::Window);
        label->setForegroundRole(QPalette::WindowText);
        label->setAutoFillBackground(true);
        m_lblMs[static_cast<std::size_t>(line)] = label;
    }

    colourCaptionLines();

    m_picMain = new PictureArea(this);
    m_picMain->move(0, 0);
    m_picMain->setPicture(pictureOrBlank(TitlePicture));
    m_picMain->setDescription(toQString(pictureDescription(TitlePicture)));

    // Made after the picture's places, which are made in reading order: Tab takes the places,
    // then "Next", and round again, passing by a hidden "Next" and disabled places.
    m_cmdNext = new QPushButton(toQString(NextCaption), this);
    m_cmdNext->setGeometry(CmdNextRect);
    m_cmdNext->installEventFilter(this);
    m_nextKeys = new ButtonKeys(m_cmdNext);

    m_announcer = new Announcer(this);
}

void FrmMain::routeEvents() {
    connect(&m_timer, &BoutTimer::timeout, this,
            [this] { handle([this] { m_game.Timer_Timer(); }); });
    // A hidden "Next" presses nothing, however a click reaches it: Qt lets a hidden button be
    // clicked, and a screen reader's Press action does just that.
    connect(m_cmdNext, &QPushButton::clicked, this, [this] {
        if (!m_cmdNext->isHidden()) {
            handle([this] { m_game.CmdNext_Click(); });
        }
    });
    connect(m_picMain, &PictureArea::clicked, this, [this] { m_game.PicMain_Click(); });
    connect(m_picMain, &PictureArea::doubleClicked, this, [this] { m_game.PicMain_DblClick(); });
    connect(m_picMain, &PictureArea::mouseMoved, this,
            [this](std::int16_t button, std::int16_t shift, float x, float y) {
                m_game.PicMain_MouseMove(button, shift, x, y);
            });
    connect(m_picMain, &PictureArea::siteClicked, this,
            [this](SiteIndex index) { handle([this, index] { m_game.ImgE_Click(index); }); });
    connect(m_picMain, &PictureArea::siteMouseMoved, this,
            [this](SiteIndex index, std::int16_t button, std::int16_t shift, float x, float y) {
                m_game.ImgE_MouseMove(index, button, shift, x, y);
            });
}

template <typename Handler>
void FrmMain::handle(Handler handler) {
    const bool nextWasHidden = m_cmdNext->isHidden();
    // A key can come before the welcome was said, as the window comes to the front: the welcome
    // first, then what the key shows.
    sayWhatWasShown();
    m_collecting = true;
    handler();
    m_collecting = false;
    // Whenever "Next" comes back the keyboard is on it, so Space or Return moves on.
    if (nextWasHidden && !m_cmdNext->isHidden()) {
        m_cmdNext->setFocus(Qt::OtherFocusReason);
    }
    sayWhatWasShown();
}

void FrmMain::sayWhatWasShown() {
    m_announcer->say(m_shownPicture);
    m_announcer->say(m_shownLines.join(QLatin1Char(' ')));
    m_shownPicture.clear();
    m_shownLines.clear();
}

void FrmMain::start() {
    m_collecting = true;
    m_game.Form_Load();
    m_collecting = false;

    QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    }
    m_cmdNext->setFocus(Qt::OtherFocusReason);
    show();
    activateWindow();
}

QLabel* FrmMain::lblMs(CaptionLine line) const {
    return line >= 0 && line < CaptionLineCount ? m_lblMs[static_cast<std::size_t>(line)] : nullptr;
}

// A press on the button breaks a double-click pair begun on the picture; so does a press on the
// caption lines or the window's background, which reaches the window itself.
bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_cmdNext && (event->type() == QEvent::MouseButtonPress ||
                                 event->type() == QEvent::MouseButtonDblClick)) {
        m_picMain->forgetPairing();
    }
    return QWidget::eventFilter(watched, event);
}

// Keys reach the window itself while nothing has the focus (a hidden "Next" takes it away). They
// never count as presses in a bout; the window only notes which of the keys that press "Next"
// are held, so that one held down here does not press the button when the focus moves to it.
void FrmMain::keyPressEvent(QKeyEvent* event) {
    m_nextKeys->track(event);
    QWidget::keyPressEvent(event);
}

void FrmMain::keyReleaseEvent(QKeyEvent* event) {
    m_nextKeys->track(event);
    QWidget::keyReleaseEvent(event);
}

void FrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        m_nextKeys->forget();
    }
    // The welcome is said once the window is in front, after a screen reader has named it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_welcomeSaid) {
        m_welcomeSaid = true;
        QTimer::singleShot(0, this, [this] { sayWhatWasShown(); });
    }
    // The desktop's theme changed while the game runs.
    if (event->type() == QEvent::PaletteChange) {
        colourCaptionLines();
    }
    QWidget::changeEvent(event);
}

// Background and text as one pair from one palette, so that no theme puts light text on the
// lines' background or the other way round.
void FrmMain::colourCaptionLines() {
    const QPalette colours = captionPalette(palette());
    for (QLabel* label : m_lblMs) {
        if (label != nullptr) {
            label->setPalette(colours);
        }
    }
}

void FrmMain::mousePressEvent(QMouseEvent* event) {
    m_picMain->forgetPairing();
    QWidget::mousePressEvent(event);
}

// The picture's name tells a screen reader what it shows.
void FrmMain::SetPicture(PictureId id) {
    m_picMain->setPicture(pictureOrBlank(id));
    m_picMain->setDescription(toQString(pictureDescription(id)));
    if (m_collecting) {
        m_shownPicture = m_picMain->description();
    }
}

void FrmMain::SetCaption(CaptionLine line, std::u16string_view text) {
    if (QLabel* label = lblMs(line)) {
        label->setText(toQString(text));
        if (m_collecting && !text.empty()) {
            m_shownLines.append(label->text());
        }
    }
}

void FrmMain::SetSiteEnabled(SiteIndex site, bool enabled) {
    SiteRegion* region = m_picMain->site(site);
    const bool wasEnabled = region != nullptr && region->isSiteEnabled();
    m_picMain->setSiteEnabled(site, enabled);
    if (region != nullptr && region->isSiteEnabled() != wasEnabled) {
        announceSiteAvailability(region);
    }
}

// A hidden "Next" takes the keyboard with it, rather than handing it on to the picture: there is
// nothing to do with keys until the game shows "Next" or the map again.
void FrmMain::SetNextVisible(bool visible) {
    if (!visible && m_cmdNext->hasFocus()) {
        m_cmdNext->clearFocus();
    }
    m_cmdNext->setVisible(visible);
}

void FrmMain::SetTimerInterval(std::int32_t milliseconds) {
    if (milliseconds == 0) {
        m_timer.stop();
    } else {
        m_timer.start(milliseconds);
    }
}

} // namespace gachapoko
