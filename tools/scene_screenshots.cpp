// Writes the window as it looks in five scenes (welcome, map, an encounter, the goddess revealed,
// the final opponent), and the map with the keyboard on the mountain, at the scale factor Qt is
// given, as PNG files named after the factor and the scene, to look at:
//     QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 gachapoko_scene_screenshots DIR
// tools/screenshots runs it at every factor the scaling tests check.
#include "app/startup.h"
#include "logic/site_table.h"
#include "ui/frm_main.h"
#include "ui/picture_area.h"
#include "ui/site_region.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
    using namespace gachapoko;
    const auto application = startApplication(argc, argv);
    if (!application || argc != 2) {
        std::fprintf(stderr, "usage: gachapoko_scene_screenshots DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    struct Scene {
        const char* name;
        PictureId picture;
        SceneLinesText lines;
    };
    const SiteRow& mountain = SiteTable[1];
    const Scene scenes[] = {
        {"welcome", TitlePicture, {u"", WelcomeLine, u""}},
        {"map", MapPicture, {mountain.Place, HoverSeparator, mountain.Resident}},
        {"sumo", mountain.PictureId, mountain.Lines},
        {"goddess", GoddessPicture, GoddessRevealLines},
        {"final", FinalOpponentPicture, FinalOpponentLines},
        {"keyboard", MapPicture, {mountain.Place, HoverSeparator, mountain.Resident}},
    };
    FrmMain frm;
    const QString factor = QString::number(frm.devicePixelRatioF());
    for (const Scene& scene : scenes) {
        if (std::string_view(scene.name) == "keyboard") {
            for (SiteIndex site = 0; site < SiteCount; ++site) {
                frm.SetSiteEnabled(site, true);
            }
            // Only a window in front has a focus to show.
            frm.show();
            frm.activateWindow();
            QApplication::processEvents();
            frm.picMain()->site(1)->setFocus(Qt::TabFocusReason);
        }
        frm.SetPicture(scene.picture);
        for (CaptionLine line = 0; line < CaptionLineCount; ++line) {
            frm.SetCaption(line, scene.lines[static_cast<std::size_t>(line)]);
        }
        const QString file =
            QStringLiteral("%1/scale-%2-%3.png").arg(dir, factor, QLatin1String(scene.name));
        if (!frm.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
