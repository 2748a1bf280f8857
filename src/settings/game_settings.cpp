#include "settings/game_settings.h"

namespace lurn {

std::array<const SettingDefinition*, 12> settingsInFillOrder() {
    std::array<const SettingDefinition*, 12> order{};
    for (const SettingDefinition& row : kGameSettingsSchema) {
        order.at(static_cast<std::size_t>(row.fillStep - 1)) = &row;
    }
    return order;
}

} // namespace lurn
