#include "VantorelCom/VantorelComManager.h"

namespace VantorelCom {

// TODO(link): placeholders until the server link lands.
bool VantorelComManager::postJsonToVantorelServer(std::u16string_view, std::u16string_view) { return false; }
bool VantorelComManager::postUtf8Document(std::u16string_view, std::string_view) { return false; }

}  // namespace VantorelCom
