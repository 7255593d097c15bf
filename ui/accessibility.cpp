// The window's accessible interfaces.
#include "ui/accessibility.h"

#include "logic/site_table.h"
#include "ui/game_text.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QAccessibleWidget>
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
// be clicked now.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureArea* area) : QAccessibleWidget(area, QAccessible::Graphic) {}

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
            if (site != nullptr && site->isEnabled()) {
                sites.push_back(site);
            }
        }
        return sites;
    }
};

// A site on the map: a button named as its hover captions read (place, middle dot, resident),
// clicked with the mouse (a screen reader's mouse click on it visits the place). While it cannot be
// clicked it is not among the picture's children and is neither visible nor showing.
class SiteAccessible : public QAccessibleWidget {
public:
    explicit SiteAccessible(SiteRegion* site) : QAccessibleWidget(site, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return toQString(siteDescription(static_cast<const SiteRegion*>(widget())->index()));
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (!widget()->isEnabled()) {
            state.invisible = true;
            state.offscreen = true;
        }
        return state;
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
    return nullptr;
}

} // namespace

void installAccessibleInterfaces(const QMetaObject& window) {
    if (g_window == nullptr) {
        QAccessible::installFactory(gameInterfaces);
    }
    g_window = &window;
}

void announceSiteAvailability(SiteRegion* site) {
    if (site == nullptr) {
        return;
    }
    if (site->isEnabled()) {
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
