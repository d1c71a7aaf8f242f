// The profile table: every service any profile sets, in one common order
// (service names compared without regard to case), with one start word per
// profile. The odd blanks and the lower-case words of Minimal are deliberate:
// each line reaches sc byte for byte as it has always been sent.
#include "actions/services/service_profile.h"

namespace kelvaro {
namespace {

// A profile's cell: the start word, or none when the profile leaves the service
// alone; the trailing blanks are the profile's usual ones unless given.
struct Cell {
  const char* word = nullptr;
  int trailingBlanks = -1;
};

constexpr Cell kAuto{"AUTO"};
constexpr Cell kDemand{"DEMAND"};
constexpr Cell kDisabled{"DISABLED"};
constexpr Cell kDisabledLower{"disabled"};
constexpr Cell kDisabledNoBlank{"DISABLED", 0};
constexpr Cell kDisabledTwoBlanks{"DISABLED", 2};
constexpr Cell kDemandNoBlank{"DEMAND", 0};
constexpr Cell kNone{};

// Office ends its lines without a blank; the others with one.
constexpr int kUsualTrailingBlanks[kServiceProfileCount] = {1, 1, 0, 1, 1};

struct ServiceRow {
  const char* service;
  Cell cells[kServiceProfileCount];  // Minimal, InternetCafe, Office, Laptop, XpDefault
};

// clang-format off
constexpr ServiceRow kServiceRows[] = {
    {"Alerter",            {kDisabled,           kDisabled, kDisabled, kDisabled, kDisabled}},
    {"ALG",                {kDisabled,           kDisabled, kDisabled, kAuto,     kDemand}},
    {"AppMgmt",            {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"AudioSrv",           {kAuto,               kAuto,     kAuto,     kAuto,     kAuto}},
    {"BITS",               {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"Browser",            {kDisabled,           kAuto,     kDisabled, kAuto,     kAuto}},
    {"CiSvc",              {kDisabled,           kDisabled, kDemand,   kDisabled, kDemand}},
    {"ClipSrv",            {kDisabled,           kDisabled, kDisabled, kDisabled, kDisabled}},
    {"COMSysApp",          {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"CryptSvc",           {kDemand,             kAuto,     kDemand,   kAuto,     kAuto}},
    {"DcomLaunch",         {kAuto,               kAuto,     kAuto,     kAuto,     kAuto}},
    {"Dhcp",               {kAuto,               kAuto,     kAuto,     kAuto,     kAuto}},
    {"dmadmin",            {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"dmserver",           {kDemand,             kDemand,   kDemand,   kDemand,   kAuto}},
    {"Dnscache",           {kDisabled,           kAuto,     kAuto,     kAuto,     kAuto}},
    {"ERSvc",              {kDisabled,           kDisabled, kDisabled, kDisabled, kAuto}},
    {"Eventlog",           {kAuto,               kAuto,     kAuto,     kAuto,     kAuto}},
    {"EventSystem",        {kAuto,               kAuto,     kDisabled, kAuto,     kDemand}},
    {"FastUserSwitchingCompatibility", {kDemand, kDemand, kDisabled, kDemand, kDemand}},
    {"helpsvc",            {kDisabled,           kDisabled, kDisabled, kDisabled, kAuto}},
    {"HidServ",            {kDisabled,           kAuto,     kDisabled, kAuto,     kDisabled}},
    {"HTTPFilter",         {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"ImapiService",       {kDisabled,           kDisabled, kDisabled, kDisabled, kDemand}},
    {"lanmanserver",       {kDisabled,           kAuto,     kDisabled, kAuto,     kAuto}},
    {"lanmanworkstation",  {kAuto,               kAuto,     kAuto,     kAuto,     kAuto}},
    {"LmHosts",            {kDisabledNoBlank,    kAuto,     kDemand,   kAuto,     kAuto}},
    {"Messenger",          {kDisabled,           kDisabled, kDisabled, kDisabled, kDisabled}},
    {"mnmsrvc",            {kDemand,             kDemand,   kDisabled, kDemand,   kDemand}},
    {"MSDTC",              {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"MSIServer",          {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"NetDDE",             {kDisabled,           kDisabled, kDemand,   kDisabled, kDisabled}},
    {"NetDDEdsdm",         {kDisabled,           kDisabled, kDisabled, kDisabled, kDisabled}},
    {"Netlogon",           {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"Netman",             {kDemandNoBlank,      kAuto,     kDemand,   kAuto,     kDemand}},
    {"Nla",                {kDisabled,           kDisabled, kDisabled, kAuto,     kDemand}},
    {"NtLmSsp",            {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"NtmsSvc",            {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"NVSvc",              {kNone,               kNone,     kDemand,   kNone,     kNone}},
    {"ose",                {kDemand,             kDemand,   kNone,     kDemand,   kNone}},
    {"PlugPlay",           {kAuto,               kAuto,     kAuto,     kAuto,     kAuto}},
    {"PolicyAgent",        {kDisabled,           kDisabled, kDemand,   kAuto,     kAuto}},
    {"ProtectedStorage",   {kAuto,               kAuto,     kDemand,   kAuto,     kAuto}},
    {"RasAuto",            {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"RasMan",             {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"RDSessMgr",          {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"RemoteAccess",       {kDisabled,           kDisabled, kDisabled, kDisabled, kDisabled}},
    {"RemoteRegistry",     {kDisabled,           kDisabled, kDisabled, kDisabled, kAuto}},
    {"RpcLocator",         {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"RpcSs",              {kAuto,               kAuto,     kAuto,     kAuto,     kAuto}},
    {"RSVP",               {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"SamSs",              {kAuto,               kAuto,     kDemand,   kAuto,     kAuto}},
    {"SCardSvr",           {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"Schedule",           {kDisabled,           kDisabled, kDemand,   kDisabled, kAuto}},
    {"seclogon",           {kDisabledLower,      kAuto,     kDemand,   kAuto,     kAuto}},
    {"SENS",               {kAuto,               kAuto,     kDisabled, kAuto,     kAuto}},
    {"SharedAccess",       {kDisabled,           kDisabled, kDemand,   kAuto,     kAuto}},
    {"ShellHWDetection",   {kDisabledLower,      kAuto,     kDisabled, kAuto,     kAuto}},
    {"Spooler",            {kDisabled,           kDisabled, kDisabled, kAuto,     kAuto}},
    {"srservice",          {kDisabled,           kDisabled, kDisabled, kDisabled, kDisabled}},
    {"SSDPSRV",            {kDisabled,           kDisabled, kDemand,   kAuto,     kDemand}},
    {"stisvc",             {kDemandNoBlank,      kAuto,     kDemand,   kAuto,     kDemand}},
    {"SwPrv",              {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"SysmonLog",          {kDemand,             kDemand,   kDisabled, kDemand,   kDemand}},
    {"TapiSrv",            {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"TermService",        {kDisabled,           kDisabled, kDisabled, kAuto,     kDemand}},
    {"Themes",             {kDisabled,           kAuto,     kAuto,     kAuto,     kAuto}},
    {"TlntSvr",            {kDisabled,           kDisabled, kDisabled, kDisabled, kDisabled}},
    {"TrkWks",             {kDisabledTwoBlanks,  kAuto,     kDisabled, kAuto,     kAuto}},
    {"UMWdf",              {kDemand,             kAuto,     kDemand,   kAuto,     kDemand}},
    {"upnphost",           {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"UPS",                {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"VSS",                {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"W32Time",            {kDisabled,           kDisabled, kDemand,   kDisabled, kAuto}},
    {"WebClient",          {kDisabled,           kDisabled, kDemand,   kAuto,     kAuto}},
    {"winmgmt",            {kAuto,               kAuto,     kAuto,     kAuto,     kAuto}},
    {"WMConnectCDS",       {kDemand,             kDemand,   kNone,     kDemand,   kNone}},
    {"WmdmPmSN",           {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"Wmi",                {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"WmiApSrv",           {kDemand,             kDemand,   kDemand,   kDemand,   kDemand}},
    {"wscsvc",             {kDisabled,           kDisabled, kDisabled, kDisabled, kAuto}},
    {"wuauserv",           {kDisabled,           kDisabled, kDisabled, kAuto,     kAuto}},
    {"WZCSVC",             {kDisabled,           kDisabled, kDisabled, kAuto,     kAuto}},
    {"xmlprov",            {kDemandNoBlank,      kDemand,   kDemand,   kDemand,   kDemand}},
};
// clang-format on

}  // namespace

std::vector<ServiceSetting> SettingsOf(ServiceProfile profile) {
  const int column = static_cast<int>(profile);
  std::vector<ServiceSetting> settings;
  for (const ServiceRow& row : kServiceRows) {
    const Cell& cell = row.cells[column];
    if (!cell.word) continue;
    settings.push_back(
        {row.service, cell.word,
         cell.trailingBlanks >= 0 ? cell.trailingBlanks : kUsualTrailingBlanks[column]});
  }
  return settings;
}

std::string CommandLine(const ServiceSetting& setting) {
  std::string line = "sc config   ";
  line += setting.service;
  line += " start= ";
  line += setting.startWord;
  line.append(setting.trailingBlanks, ' ');
  return line;
}

}  // namespace kelvaro
