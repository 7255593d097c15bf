// The catalogue of pictures.
#include "assets/painter/catalogue.h"

#include "assets/painter/pictures.h"

#include <algorithm>

namespace gachapoko::painter {

const std::array<CataloguedPicture, PictureCount> Catalogue = {{
    {TitlePicture, paintTitle, StoredForm::TrueColour, PaletteKind::None},
    {MapPicture, paintMap, StoredForm::TrueColour, PaletteKind::None},
    {SumoWrestlerPicture, paintSumoWrestler, StoredForm::Indexed, PaletteKind::Shared},
    {DwarfPicture, paintDwarf, StoredForm::Indexed, PaletteKind::Shared},
    {YoungManPicture, paintYoungMan, StoredForm::Indexed, PaletteKind::Shared},
    {EldestSonPicture, paintEldestSon, StoredForm::Indexed, PaletteKind::Shared},
    {SecondSonPicture, paintSecondSon, StoredForm::Indexed, PaletteKind::Shared},
    {GoddessPicture, paintGoddess, StoredForm::Indexed, PaletteKind::Shared},
    {FinalOpponentPicture, paintFinalOpponent, StoredForm::Indexed, PaletteKind::Own},
    {FinalOpponentBeatenPicture, paintFinalOpponentBeaten, StoredForm::Indexed, PaletteKind::Own},
    {ClosingPicture, paintClosing, StoredForm::Indexed, PaletteKind::Own},
}};

const CataloguedPicture* findPicture(PictureId id) {
    const auto it = std::find_if(Catalogue.begin(), Catalogue.end(),
                                 [id](const CataloguedPicture& p) { return p.id == id; });
    return it != Catalogue.end() ? &*it : nullptr;
}

} // namespace gachapoko::painter
