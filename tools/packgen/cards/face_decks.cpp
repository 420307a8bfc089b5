#include "face_decks.h"

namespace fibwick::packgen {
namespace {

using enum DeckPackage;

// resources/ART-CREDITS.md names the decks' authors and licences. Decks that repeat another
// one's figures in other colours or with other indices are left out, so no two sets look alike.
constexpr std::array<std::string_view, 4> AcePips{};
constexpr std::array<std::string_view, 4> SymbolElements{"heart_symbol", "diamond_symbol",
                                                         "club_symbol", "spade_symbol"};
constexpr std::array<std::string_view, 4> PipElements{"pip_heart", "pip_diamond", "pip_club",
                                                      "pip_spade"};

constexpr SvgDeck Guyenne{Gnome, "guyenne-classic.svgz", AcePips};
constexpr SvgDeck AngloModern{
    Gnome, "anglo_modern.svgz", {"heart_symbol", "diamond_pip", "club_symbol", "spade_symbol"}};
constexpr SvgDeck Egyptians{Kde, "svg-ancient-egyptians/Ancient_Egyptians.svgz", AcePips};
constexpr SvgDeck Lattmann{Gnome, "lattmann.svgz", PipElements};
constexpr SvgDeck Tango{Gnome, "tango.svgz", AcePips};
constexpr SvgDeck Anglo{Gnome, "anglo.svgz", AcePips};
constexpr SvgDeck Dondorf{Kde, "svg-dondorf/dondorf.svgz", AcePips};
constexpr SvgDeck Orell{Gnome, "orell.svgz", PipElements};
// Swiss suits: roses, bells, acorns and shields stand for hearts, diamonds, clubs and spades.
constexpr SvgDeck SwissXvii{
    Gnome, "swiss-xvii.svgz", {"", "element-schellen-orig", "", "element-schilten-3-orig"}};
// The aces' pips are drawn among flourishes that would shrink them to dots.
constexpr SvgDeck JollyRoyal{
    Kde, "svg-jolly-royal/jolly-royal.svgz", {"g8654", "g8205", "g16182", "g8032"}};
constexpr SvgDeck NicuWhite{Kde, "svg-nicu-white/white.svgz", AcePips};
constexpr SvgDeck Neoclassical{Gnome, "neoclassical.svgz", SymbolElements};
constexpr SvgDeck Rheinland{Gnome, "rheinland.svgz", PipElements};
constexpr SvgDeck Tarocco{Gnome, "tarocco.svgz", PipElements};
// The ace of spades is Tux.
constexpr SvgDeck Penguins{
    Kde, "svg-penguins/penguins.svgz", {"heart_md", "diamond_md", "club_md", "spade_md"}};
// Dark cards with pale pips: the symbols become silhouettes.
constexpr SvgDeck Oxygen{
    Kde, "svg-oxygen/oxygen.svgz", {"use74132", "use74178", "use74206", "use74188"}, true};
constexpr SvgDeck Plastic{Gnome, "plastic.svgz", AcePips};
// German suits: hearts, bells, acorns and leaves stand for hearts, diamonds, clubs and spades.
constexpr SvgDeck XskatGerman{
    Kde, "svg-xskat-german/german.svgz", {"heart", "bell", "acorn", "leaf"}};
constexpr SvgDeck XskatFrench{Kde, "svg-xskat-french/french.svgz", AcePips};
constexpr SvgDeck Berlin{Gnome, "berlin.svgz", PipElements};
constexpr SvgDeck Atlasnye{Gnome, "Атласные.svgz", SymbolElements};
constexpr SvgDeck SlavicCostumes{
    Gnome, "slavic_costumes.svgz", {"hearts", "diamonds", "clubs", "spades"}};
constexpr SvgDeck AncientFrench{Gnome,
                                "ancient_french.svgz",
                                {"heart_symbol", "diamond_symbol", "club_symbol", "symbol_spade"}};
constexpr SvgDeck Tigullio{Gnome, "tigullio.svgz", {"heart", "diamond", "club", "spade"}};

const auto Decks = std::to_array<FaceDeck>({
    {1, "Med", AllCards, Guyenne},
    {2, "Mod", AllCards, AngloModern},
    {3, "Anc", AllCards, Egyptians},
    {4, "Bar", AllCards, Lattmann},
    {6, "Cor", CourtCards | Aces, Tango},  // crowned kings and queens
    {8, "Eng", AllCards, Anglo},
    {9, "Fra", AllCards, Dondorf},     // a Frankfurt card maker
    {10, "His", CourtCards, Orell},    // costumes of many lands and times
    {12, "Old", AllCards, SwissXvii},  // a seventeenth-century deck whose hearts are roses
    {14, "Roy", AllCards, JollyRoyal},
    {18, "Lon", AllCards, NicuWhite},  // the biggest indices of all decks
    {19, "Cl2", CourtCards, Neoclassical},
    // Seasons has no deck; Classical-2 borrows its nines, tens and aces, which are drawn here
    // from Classical-2's own deck.
    {21, "Sea", NumberCards | Aces, Neoclassical},
    {22, "Rhi", AllCards, Rheinland},
    {23, "Me2", AllCards, Tarocco},
    {24, "Doo", AllCards, Penguins},
    {26, "Epi", AllCards, Oxygen},
    {28, "Pla", AllCards, Plastic},
    {29, "SkN", AllCards, XskatGerman},
    {31, "SkF", AllCards, XskatFrench},
    {34, "Kny", AllCards, Berlin},
    {36, "Rus", AllCards, Atlasnye},  // "Atlasnye" is Russian for satin
    {37, "Sla", AllCards, SlavicCostumes},
    {40, "Fra", AllCards, AncientFrench},
    {46, "BIt", AllCards, Tigullio},  // after the Gulf of Tigullio
});

}  // namespace

std::span<const FaceDeck> FaceDecks() {
  return Decks;
}

}  // namespace fibwick::packgen
