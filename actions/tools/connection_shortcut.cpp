#include "actions/tools/connection_shortcut.h"

#include "actions/tools/byte_writer.h"
#include "actions/tools/connection_values.h"

namespace kelvaro {
namespace {

constexpr ClassId kShellLink = ParseClassId("{00021401-0000-0000-C000-000000000046}");
constexpr ClassId kMyComputer = ParseClassId("{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
constexpr ClassId kControlPanel = ParseClassId("{21EC2020-3AEA-1069-A2DD-08002B30309D}");
constexpr ClassId kNetworkConnections = ParseClassId("{7007ACC7-3202-11D1-AAD2-00805FC1270E}");
constexpr ClassId kConnectionObject = ParseClassId("{BA126AD7-2166-11D1-B1D0-00805FC1270E}");

constexpr uint32_t kHasLinkTargetIdList = 0x01;
constexpr uint32_t kIsUnicode = 0x80;
constexpr uint32_t kShowNormal = 1;

// What the Network Connections folder keeps about one connection.
constexpr uint32_t kConnectionCharacteristics = 0x85F;
constexpr uint32_t kMediaPppoe = 6;

void Header(ByteWriter& out) {
  out.U32(76);  // HeaderSize
  out.Id(kShellLink);
  out.U32(kHasLinkTargetIdList | kIsUnicode);
  out.U32(0);        // FileAttributes
  out.Zeros(8 * 3);  // CreationTime, AccessTime, WriteTime
  out.U32(0);        // FileSize
  out.U32(0);        // IconIndex
  out.U32(kShowNormal);
  out.U16(0);            // HotKey
  out.Zeros(2 + 4 + 4);  // Reserved1 to Reserved3
}

// A shell folder item: its size, type byte, one more byte, optional padding,
// and the folder's class identifier.
std::string FolderItem(uint8_t type, uint8_t second, size_t padding, const ClassId& folder) {
  ByteWriter item;
  item.U16(static_cast<uint16_t>(2 + 2 + padding + 16));
  item.Bytes({type, second});
  item.Zeros(padding);
  item.Id(folder);
  return item.bytes();
}

// Where a string of the connection item's string area starts, and its size.
struct Span {
  uint32_t position;
  uint32_t size;
};

Span Append(ByteWriter& area, const ByteWriter& piece) {
  const Span span{static_cast<uint32_t>(area.size()), static_cast<uint32_t>(piece.size())};
  area.Bytes(piece.bytes());
  return span;
}

// The connection itself: fixed fields, then positions and sizes of the
// strings in the area that follows them.
std::string ConnectionItem() {
  ByteWriter name, device, persisted, phoneNumber;
  name.Utf16WithZero(kConnectionName);
  device.Utf16WithZero(kConnectionDevice);
  persisted.Bytes({0x14, 0x00});
  persisted.Utf16WithZero(kPhoneBookPathUtf16);
  persisted.Id(kConnectionId);
  persisted.Bytes({0x01, 0x00, 0x00, 0x00, 0x05, 0x00});
  phoneNumber.Utf16WithZero(u"");  // none: the user enters the account when dialling

  ByteWriter area;
  const Span nameSpan = Append(area, name);
  const Span deviceSpan = Append(area, device);
  const Span persistedSpan = Append(area, persisted);
  const Span phoneSpan = Append(area, phoneNumber);
  area.Zeros(4);

  constexpr size_t kFixedPart = 96;
  ByteWriter item;
  item.U16(static_cast<uint16_t>(kFixedPart + area.size()));
  item.Bytes({0xFF, 0x4E});
  item.U32(2);
  item.Bytes({0xFF, 0x5E, 0x69, 0x10});
  item.U32(0);
  item.Id(kConnectionObject);
  item.Id(kConnectionId);
  item.U32(kConnectionCharacteristics);
  item.U32(kMediaPppoe);
  item.U32(0);
  item.U32(persistedSpan.position);
  item.U32(persistedSpan.size);
  item.U32(nameSpan.position);
  item.U32(nameSpan.size);
  item.U32(deviceSpan.position);
  item.U32(deviceSpan.size);
  item.U32(0);
  item.U32(phoneSpan.position);
  item.U32(phoneSpan.size);
  item.Bytes(area.bytes());
  return item.bytes();
}

}  // namespace

std::string ConnectionShortcutImage() {
  ByteWriter items;
  items.Bytes(FolderItem(0x1F, 0x50, 0, kMyComputer));
  items.Bytes(FolderItem(0x2E, 0x1E, 0, kControlPanel));
  items.Bytes(FolderItem(0x71, 0x80, 10, kNetworkConnections));
  items.Bytes(ConnectionItem());
  items.U16(0);  // end of the list

  ByteWriter link;
  Header(link);
  link.U16(static_cast<uint16_t>(items.size()));  // IDListSize
  link.Bytes(items.bytes());
  link.U32(0);  // TerminalBlock: no extra data
  return link.bytes();
}

}  // namespace kelvaro
