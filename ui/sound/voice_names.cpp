#include "ui/sound/voice_names.h"

#include <array>

#include "ui/card_names.h"

namespace fibwick {

QString VoiceName(CardCode card, int language) {
  static constexpr std::array<const char*, 10> Codes = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                                        "Chi", "Ita", "Cze", "Jap", "Kor"};
  const QString base = CardBaseName(card);
  if (base.isEmpty()) return {};
  const bool known = language >= 0 && language < static_cast<int>(Codes.size());
  return base + QStringLiteral("Voice") + QLatin1String(Codes[known ? language : 0]);
}

}  // namespace fibwick
