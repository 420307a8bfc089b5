#include "ui/dialogs/dialog_context.h"

#include <QString>

#include "base/cp1251.h"
#include "records/club_file.h"

namespace fibwick {

FontRoles FontRolesOf(const Settings& settings) {
  const auto choice = [](const std::string& name, int percent) {
    return FontChoice{QString::fromStdString(Cp1251ToUtf8(name)), percent};
  };
  FontRoles roles;
  roles.choices = {choice(settings.FontLarge, settings.ScaleLarge),
                   choice(settings.FontSmall, settings.ScaleSmall),
                   choice(settings.FontSpecial1, settings.ScaleSpecial1),
                   choice(settings.FontSpecial2, settings.ScaleSpecial2)};
  return roles;
}

std::filesystem::path ClubFileInUse(const DialogContext& context) {
  return context.programFolder / (context.settings.NetworkGame ? NetClubFileName : ClubFileName);
}

void PlaySound(const DialogContext& context, std::string_view sound) {
  if (context.playSound) context.playSound(sound);
}

void PlayButtonSalute(const DialogContext& context) {
  if (context.settings.SaluteButtons && context.salute) context.salute();
}

}  // namespace fibwick
