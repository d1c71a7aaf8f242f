// Read-only questions to the service control manager.
#include <windows.h>

#include "platform/win32/win32_system.h"

namespace kelvaro {

ServiceState Win32System::QueryServiceState(const std::string& name) {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
  if (!manager)
    return ServiceState::kUnknown;
  ServiceState state = ServiceState::kUnknown;
  if (SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS)) {
    SERVICE_STATUS status{};
    if (QueryServiceStatus(service, &status)) {
      state = status.dwCurrentState == SERVICE_RUNNING ? ServiceState::kRunning
                                                       : ServiceState::kStopped;
    }
    CloseServiceHandle(service);
  }
  CloseServiceHandle(manager);
  return state;
}

}  // namespace kelvaro
