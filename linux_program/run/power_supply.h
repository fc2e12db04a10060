#pragma once
// Whether the machine runs on battery, as the kernel's power supply class tells it: each supply
// is a folder under /sys/class/power_supply with a "type" (Mains, Battery, USB, UPS, ...) and,
// for a charger, "online" (1 while it supplies power). The machine is on battery when it has a
// battery of its own, a mains supply, and no external supply online. A desktop with no battery,
// or a laptop whose charger the kernel does not list as Mains, counts as on mains, and a Mains
// supply whose state cannot be read counts as online: when in doubt the flight stays at full
// rate. Batteries of devices (a wireless mouse, scope "Device") are not the machine's. A USB
// supply that is online counts as a charger, as laptops charged through USB-C list their charger
// as type USB while their Mains entry stays offline.

#include <string>

namespace altostrat {

constexpr char kPowerSupplyRoot[] = "/sys/class/power_supply";

// Reads the supplies under root (kPowerSupplyRoot, or a folder laid out the same way). A missing
// or unreadable folder or file counts as no such supply.
bool OnBatteryPower(const std::string& root);

}  // namespace altostrat
