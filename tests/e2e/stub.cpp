// A recording stand-in for a system program: appends its command line to the
// file named by KELVARO_STUB_LOG and exits with the code KELVARO_STUB_EXIT
// gives for it ("substring=code;..."; the first rule whose substring occurs in
// the command line wins; no match exits 0), after KELVARO_STUB_DELAY_MS.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::string Environment(const char* name) {
  char buffer[4096];
  const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return length && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

int ExitCodeFor(const std::string& commandLine, const std::string& rules) {
  size_t start = 0;
  while (start < rules.size()) {
    size_t end = rules.find(';', start);
    if (end == std::string::npos) end = rules.size();
    const std::string rule = rules.substr(start, end - start);
    const size_t equals = rule.rfind('=');
    if (equals != std::string::npos &&
        commandLine.find(rule.substr(0, equals)) != std::string::npos) {
      return std::atoi(rule.c_str() + equals + 1);
    }
    start = end + 1;
  }
  return 0;
}

}  // namespace

int main() {
  const std::string commandLine = GetCommandLineA();
  const std::string log = Environment("KELVARO_STUB_LOG");
  if (!log.empty()) {
    HANDLE file = CreateFileA(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      const std::string line = commandLine + "\n";
      DWORD written = 0;
      WriteFile(file, line.data(), line.size(), &written, nullptr);
      CloseHandle(file);
    }
  }
  const int delay = std::atoi(Environment("KELVARO_STUB_DELAY_MS").c_str());
  if (delay > 0) Sleep(delay);
  return ExitCodeFor(commandLine, Environment("KELVARO_STUB_EXIT"));
}
