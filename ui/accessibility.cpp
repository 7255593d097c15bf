// The window's accessible interfaces.
#include "ui/accessibility.h"

#include "logic/site_table.h"
#include "ui/announcer.h"
#include "ui/game_text.h"
#include "ui/picture_area.h"
#include "ui/screen_reader_wakeup.h"
#include "ui/site_region.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QTimer>
#include <vector>

namespace gachapoko {

namespace {

// The top-level window: a frame, as every desktop window is to a screen reader (a plain QWidget
// would be a "filler"). Its name is the window's title.
class FrmMainAccessible : public QAccessibleWidget {
public:
    explicit FrmMainAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// The picture area: an image named after what it shows, whose children are the sites that can
// be clicked now. A new picture changes the name without an event: the announcer says it.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureArea* area) : QAccessibleWidget(area, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<const PictureArea*>(widget())->description();
        }
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return static_cast<int>(clickableSites().size()); }

    QAccessibleInterface* child(int index) const override {
        const std::vector<SiteRegion*> sites = clickableSites();
        if (index < 0 || index >= static_cast<int>(sites.size())) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(sites[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<SiteRegion*> sites = clickableSites();
        for (std::size_t i = 0; i < sites.size(); ++i) {
            if (child != nullptr && child->object() == sites[i]) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

private:
    std::vector<SiteRegion*> clickableSites() const {
        std::vector<SiteRegion*> sites;
        const auto* area = static_cast<const PictureArea*>(widget());
        for (SiteIndex index = 0; index < SiteCount; ++index) {
            SiteRegion* site = area->site(index);
            if (site != nullptr && site->isSiteEnabled()) {
                sites.push_back(site);
            }
        }
        return sites;
    }
};

// A site on the map: a push button named as its hover captions read (place, middle dot,
// resident), which a screen reader's Press action or mouse click visits. While it cannot be
// clicked it is not among the picture's children and is neither visible nor showing.
class SiteAccessible : public QAccessibleWidget {
public:
    explicit SiteAccessible(SiteRegion* site) : QAccessibleWidget(site, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return toQString(siteDescription(site()->index()));
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!site()->isSiteEnabled()) {
            state.invisible = true;
            state.offscreen = true;
            state.focusable = false;
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (site()->isSiteEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            if (site()->isSiteEnabled()) {
                site()->click();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    SiteRegion* site() const { return static_cast<SiteRegion*>(widget()); }
};

// The announcer's status bar, and the notifications it shows (announcer.h).
class SpeakerAccessible : public QAccessibleWidget {
public:
    explicit SpeakerAccessible(Speaker* speaker)
        : QAccessibleWidget(speaker, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<const Speaker*>(widget())->said();
        }
        return QAccessibleWidget::text(kind);
    }
};

const QMetaObject* g_window = nullptr;

QAccessibleInterface* gameInterfaces(const QString& className, QObject* object) {
    if (!object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (g_window != nullptr && className == QLatin1String(g_window->className())) {
        return new FrmMainAccessible(widget);
    }
    if (className == QLatin1String(PictureArea::staticMetaObject.className())) {
        return new PictureAccessible(static_cast<PictureArea*>(widget));
    }
    if (className == QLatin1String(SiteRegion::staticMetaObject.className())) {
        return new SiteAccessible(static_cast<SiteRegion*>(widget));
    }
    if (className == QLatin1String(Announcer::staticMetaObject.className())) {
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    }
    if (className == QLatin1String(Speaker::staticMetaObject.className())) {
        return new SpeakerAccessible(static_cast<Speaker*>(widget));
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces(const QMetaObject& window) {
    if (g_window == nullptr) {
        QAccessible::installFactory(gameInterfaces);
        // Once the event loop runs, so that its look at the session bus never delays the window.
        QTimer::singleShot(0, qApp, [] { new ScreenReaderWakeup(qApp); });
    }
    g_window = &window;
}

void announceSiteAvailability(SiteRegion* site) {
    if (site == nullptr) {
        return;
    }
    if (site->isSiteEnabled()) {
        // A new child of the picture, and it shows.
        QAccessibleEvent added(site, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&added);
        QAccessibleEvent shown(site, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    } else {
        QAccessibleEvent hidden(site, QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&hidden);
    }
}

} // namespace gachapoko
