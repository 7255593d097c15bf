// The picture area PicMain: shows one scene picture at its natural size inside a sunken 2-pixel
// border, holds the six sites of the map, and turns every mouse event over it into exactly one
// event for the game: a click or double click and movements of the picture area, or a click or
// movement of an enabled site.
#pragma once

#include "logic/types.h"
#include "ui/click_pairing.h"

#include <QFrame>
#include <QImage>
#include <array>
#include <cstdint>

class QMouseEvent;

namespace gachapoko {

class SiteRegion;

class PictureArea : public QFrame {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;

    explicit PictureArea(QWidget* parent);

    // Shows `picture` unscaled at the inner top-left; a null image leaves the area blank.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

    // What the picture shows, in words, for a screen reader.
    void setDescription(const QString& description) { m_description = description; }
    const QString& description() const { return m_description; }

    SiteRegion* site(SiteIndex index) const;
    void setSiteEnabled(SiteIndex index, bool enabled);

    // A press elsewhere in the window breaks a pair that was begun here.
    void forgetPairing();

signals:
    void clicked();
    void doubleClicked();
    // Mouse button and shift-key state as bit masks (left 1, right 2, middle 4; shift 1, ctrl 2,
    // alt 4) and the pointer's position in twips, 15 to the pixel, from the inner top-left.
    void mouseMoved(std::int16_t button, std::int16_t shift, float x, float y);
    void siteClicked(SiteIndex index);
    void siteMouseMoved(SiteIndex index, std::int16_t button, std::int16_t shift, float x, float y);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void pictureAreaPress(QMouseEvent* event);
    void pictureAreaRelease(QMouseEvent* event);
    void pictureAreaMove(QMouseEvent* event);
    void sitePress(SiteRegion* site, QMouseEvent* event);
    void siteRelease(SiteRegion* site, QMouseEvent* event);
    void siteMove(SiteRegion* site, QMouseEvent* event);
    // Qt turns the second press of its own double click into a double-click event; some Qt
    // versions send that as well as the press. A double-click event is a press of its own only
    // while its button is up, so one press is never counted twice.
    static bool isKeyboardFocusIn(const QEvent* event);
    bool isExtraDoubleClickEvent(const QMouseEvent* event) const;
    ClickPairing::Press pressOf(const QMouseEvent* event) const;
    // The picture as drawn on a screen of that density (see pixel_art_scaling.h), kept until
    // the picture or the density changes.
    const QImage& pictureForScreen(qreal devicePixelRatio);
    void raise(const ClickPairing::Raised& raised);
    void refreshPairingRules();

    QImage m_picture;
    QString m_description;
    QImage m_scaled;
    std::array<SiteRegion*, SiteCount> m_sites{};
    ClickPairing m_pairing;
    Qt::MouseButtons m_down;                          // buttons pressed over this area or a site
    std::array<SiteIndex, 2> m_sitePressedBy{-1, -1}; // site that took the left / right press
};

} // namespace gachapoko
