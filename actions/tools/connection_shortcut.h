// The desktop shortcut to the broadband connection: a Shell Link file whose
// target is the connection inside the Network Connections folder.
#pragma once

#include <string>

namespace kelvaro {

// 524 bytes: the header, the target's ID list (My Computer, Control Panel,
// Network Connections, the connection) and an empty extra-data section.
std::string ConnectionShortcutImage();

}  // namespace kelvaro
