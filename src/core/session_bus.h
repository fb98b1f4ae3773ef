#pragma once

namespace tessary {

/// Whether the program should tell the D-Bus library that there is no session bus, given the
/// environment's DBUS_SESSION_BUS_ADDRESS and XDG_RUNTIME_DIR (null when unset): true when
/// neither names a bus (no address, no "bus" socket in the runtime folder). Without a bus the
/// library would start one (dbus-launch) for the toolkit's accessibility bridge, and the
/// window would wait for it before it shows.
bool HasNoSessionBus(const char* address, const char* runtimeFolder);

/// The address that tells the D-Bus library there is no bus to connect to.
inline constexpr char kNoSessionBusAddress[] = "disabled:";

}  // namespace tessary
