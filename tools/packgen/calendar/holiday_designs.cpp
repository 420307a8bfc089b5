#include "holiday_designs.h"

namespace fibwick::packgen {
namespace {

const QRgb EasterRed = qRgb(200, 24, 30);

const Backdrop Night{{22, 34, 92}, {8, 12, 44}, Ornament::Stars};
const Backdrop Space{{10, 14, 48}, {50, 22, 92}, Ornament::Stars};
const Backdrop Dusk{{48, 66, 120}, {16, 24, 56}};
const Backdrop Halloween{{70, 36, 100}, {22, 10, 38}, Ornament::Stars};
const Backdrop Stage{{86, 34, 120}, {24, 10, 44}};
const Backdrop Victory{{24, 30, 80}, {10, 12, 40}, Ornament::Ribbon};
const Backdrop Winter{{232, 246, 255}, {150, 196, 232}, Ornament::Snow};
const Backdrop WinterDusk{{140, 156, 184}, {62, 74, 104}, Ornament::Snow};
const Backdrop Spring{{236, 250, 222}, {168, 220, 124}};
const Backdrop Summer{{255, 246, 206}, {255, 206, 104}};
const Backdrop Field{{255, 242, 196}, {214, 178, 84}};
const Backdrop Autumn{{255, 232, 200}, {232, 150, 70}};
const Backdrop Meadow{{244, 252, 230}, {184, 226, 150}};
const Backdrop Clover{{230, 248, 222}, {118, 192, 100}};
const Backdrop Rose{{255, 232, 240}, {244, 160, 192}};
const Backdrop Blossom{{255, 240, 246}, {236, 190, 214}};
const Backdrop Sky{{232, 246, 255}, {136, 200, 244}};
const Backdrop Party{{255, 248, 216}, {255, 206, 92}, Ornament::Confetti};
const Backdrop Memorial{{228, 232, 238}, {150, 162, 180}};
const Backdrop Sepia{{244, 230, 204}, {196, 160, 104}};
const Backdrop Military{{232, 236, 212}, {160, 172, 118}};
const Backdrop Lab{{232, 250, 255}, {150, 212, 222}};
const Backdrop Terminal{{40, 54, 66}, {12, 20, 26}};
const Backdrop Parchment{{252, 242, 218}, {226, 196, 140}};
const Backdrop Water{{226, 244, 255}, {112, 178, 228}};
const Backdrop Rescue{{255, 236, 214}, {255, 150, 80}};  // the rescuers' signal orange
const Backdrop Orthodox{{255, 246, 218}, {236, 190, 96}, Ornament::RoundArch};
const Backdrop Catholic{{236, 242, 255}, {146, 176, 232}, Ornament::PointedArch};

}  // namespace

// Emoji are kept to those whose meaning holds without words; where none does, we draw.
const std::vector<HolidayDesign>& HolidayDesigns() {
  using enum Painted;
  static const std::vector<HolidayDesign> designs = {
      // Days kept everywhere.
      {"R_NEWYEAR", Night, {"🎆"}, {"🎄", "🥂"}},
      {"R_VALENTI", Rose, {"💘"}, {"🌹", "💌"}},
      {"R_WOMENDY", Blossom, {"💐"}, {"🌷", "🎀"}},
      {"R_APRFOOL", Party, {"🤡"}, {"🃏", "😜"}},
      {"R_LABORDY", Spring, {"🛠️"}, {"🌷", "🎈"}},
      {"R_CHILDRN", Sky, {"👫"}, {"🎈", "🧸"}},
      {"R_WW2ENDS", Memorial, {"🕊️"}, {"🎖️", "🌍"}},
      {"R_PROGRAM", Terminal, {"💻"}, {"☕", "🐞"}},
      {"R_HALLOWN", Halloween, {"🎃"}, {"🦇", "👻"}},
      {"R_WW1ENDS", Sepia, {"🕊️"}, {"🪖", "🕯️"}},
      // Russia.
      {"R_TATIANA", Winter, {"🎓"}, {"📚", "🎉"}},
      {"R_LENINGR", WinterDusk, {"🕯️"}, {"🍞", "🎆"}},
      {"R_STALING", Winter, {"🎖️"}, {RedStar, "🚩"}},
      {"R_SCIENCE", Lab, {"🔬"}, {"🧬", "🔭"}},
      {"R_DEFENDR", Military, {"🪖"}, {RedStar, "⚓", "✈️"}},
      {"R_UNITYDY", Sky, {"🤝"}, {"🇷🇺", "🇧🇾"}},
      {"R_COSMOSD", Space, {"🚀"}, {"🌍", "🛰️"}},
      {"R_ICEBATL", Winter, {"🛡️"}, {"⚔️", "🧊"}},
      {"R_RADIODY", Sky, {"📻"}, {"📡", "⚡"}},
      {"R_VICTORY", Victory, {"🎆"}, {RedStar, "🔥", "🌷"}},
      {"R_SLAVLIT", Parchment, {"📜"}, {"✒️", "📖"}},
      {"R_CHEMIST", Lab, {"⚗️"}, {"🧪", "🧫"}},
      {"R_RUSSIAD", Party, {"🇷🇺"}, {"🎉", "🎈"}},
      {"R_YOUTHDY", Summer, {"🎧"}, {"🛹", "🎉"}},
      // The chamomile is the feast's own flower.
      {"R_FAMILYD", Meadow, {"🌼"}, {"💑", "💍", "🏡"}},
      {"R_POLTAVA", Summer, {"⚔️"}, {"👑", "🚩"}},
      {"R_BAPTISM", Water, {"⛪"}, {OrthodoxCross, "💧"}},
      {"R_RUSFLAG", Sky, {"🇷🇺"}, {}, Glow::Rays},
      {"R_KURSKBT", Field, {"🎖️"}, {RedStar, "🌻"}},
      {"R_KNOWLDG", Autumn, {"🎒"}, {"🔔", "📚"}},
      {"R_BORODIN", Sepia, {Cannon}, {"⚔️", "🎖️"}},
      {"R_KULIKOV", Autumn, {"🏹"}, {"🛡️", "⚔️"}},
      {"R_ELDERLY", Autumn, {"👵", "👴"}, {"🍂", "💐"}},
      {"R_TEACHER", Autumn, {"🧑‍🏫"}, {"📚", "💐"}},
      {"R_MOSCOWB", WinterDusk, {RedStar}, {"🎖️", "🌨️"}},
      {"R_CONSTRU", Sky, {"⚖️"}, {"🇷🇺", "📜"}},
      {"R_POWERDY", Dusk, {"⚡"}, {"💡", "🔌"}},
      {"R_RESCUER", Rescue, {"🧑‍🚒"}, {"🚒", "🚁"}},
      // The United States.
      {"R_INAUGUR", Sky, {"🏛️"}, {"🇺🇸", "📜"}},
      {"R_MLKINGD", Winter, {"✊🏾"}, {"🕊️", "🇺🇸"}},
      {"R_PATRICK", Clover, {"☘️"}, {"🇮🇪", "🍺"}},
      {"R_USAFLAG", Sky, {"🇺🇸"}, {"🦅"}, Glow::Rays},
      {"R_INDEPEN", Night, {"🗽"}, {"🇺🇸", "🎆"}},
      {"R_HOTDOGD", Summer, {"🌭"}, {"🇺🇸", "🥤"}},
      {"R_ELVISPR", Stage, {"🎸"}, {"🎤", "🕺"}},
      {"R_THANKSG", Autumn, {"🦃"}, {"🥧", "🌽"}},
      // France, Spain, Germany, England.
      {"R_VICTFRA", Sky, {"🕊️"}, {"🇫🇷", "🎖️"}},
      {"R_MUSICDY", Summer, {"🎷"}, {"🎶", "🇫🇷"}},
      {"R_BASTILL", Night, {"🇫🇷"}, {"🎆", "🏰"}},
      // Madrid's arms: the bear and the strawberry tree.
      {"R_MADRIDD", Summer, {"🐻"}, {"🍓", "🇪🇸"}},
      {"R_HISPANI", Sky, {"🇪🇸"}, {"⛵", "🎉"}},
      {"R_CONSTES", Sky, {"⚖️"}, {"🇪🇸", "📜"}},
      {"R_GERUNIT", Sky, {"🇩🇪"}, {"🤝", "🎉"}},
      {"R_APPLEDY", Meadow, {"🍎"}, {"🍏", "🌳"}},
      {"R_GUYFAWK", Night, {"🔥"}, {"🎇", "🎆"}},
      // Orthodox feasts.
      {"R_EASTERP", Orthodox, {{"🥚", EasterRed}}, {OrthodoxCross, "🌿"}},
      {"R_PALMSUN", Orthodox, {"🌿"}, {"🫏", "🌴"}},
      {"R_ASCENSI", Orthodox, {"☁️"}, {"👼", "✨"}, Glow::Rays},
      {"R_TRINITY", Orthodox, {"🌳"}, {"🕊️", "🌿"}},
      {"R_XMASORT", Orthodox, {"🌟"}, {"👶", "🐑"}, Glow::Rays},
      {"R_CIRCUMC", Orthodox, {"👶"}, {"🕯️", "✨"}, Glow::Halo},
      {"R_EPIPHAN", Orthodox, {"🕊️"}, {"💧", "❄️"}, Glow::Rays},
      {"R_CANDLEP", Orthodox, {"🕯️"}, {"👶", "⛪"}},
      {"R_ANNUNCP", Orthodox, {"👼"}, {"🕊️", "💐"}},
      // John the Forerunner pointed to the Lamb of God.
      {"R_BAPTIST", Orthodox, {"🐑"}, {"💧", "🌿"}, Glow::Halo},
      // Peter's keys and fishing boat, Paul's sword.
      {"R_PETPAUL", Orthodox, {"🗝️"}, {"🗡️", "🐟"}},
      // On Mount Tabor; in Russia the apple feast.
      {"R_TRANSFP", Orthodox, {"⛰️"}, {"🍎", "✨"}, Glow::Rays},
      {"R_DORMITI", Orthodox, {"👑"}, {"☁️", "🕯️"}, Glow::Halo},
      {"R_BEHEADJ", Orthodox, {"🕯️"}, {"🗡️", OrthodoxCross}},
      {"R_NATVIRG", Orthodox, {"👶"}, {"🌹", "⭐"}, Glow::Halo},
      {"R_EXALTCR", Orthodox, {OrthodoxCross}, {"🌿", "✨"}, Glow::Rays},
      {"R_PROTECT", Orthodox, {"⛪"}, {"🍂", "🕯️"}},
      {"R_PRESENT", Orthodox, {"👧"}, {"⛪", "🕯️"}, Glow::Halo},
      // Catholic feasts.
      {"R_EASTERK", Catholic, {"🐣"}, {LatinCross, "🌷"}},
      {"R_CANDLEK", Catholic, {"🕯️"}, {"✨", "👶"}},
      {"R_ANNUNCK", Catholic, {"👼"}, {"🌷", "✨"}},
      {"R_TRANSFK", Catholic, {"⛰️"}, {"☀️", "✨"}, Glow::Rays},
      {"R_NATIVMG", Catholic, {"👶"}, {"🌹", "💙"}, Glow::Halo},
      {"R_ALLSAIN", Catholic, {"😇"}, {"🕯️", "💐"}},
      {"R_XMASEVE", Catholic, {"🕯️"}, {"🌟", "🎄"}},
      {"R_XMASKAT", Catholic, {"🎄"}, {"👶", "🌟"}},
  };
  return designs;
}

}  // namespace fibwick::packgen
