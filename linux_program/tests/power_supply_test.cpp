// The power supplies as the kernel lays them out under /sys/class/power_supply (its ABI
// document, sysfs-class-power: "type", "online", "scope"), built in a folder of the test's own:
// a laptop on battery and on its charger, one charged through USB-C, a desktop with a wireless
// mouse, and no supplies at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "linux_program/run/power_supply.h"

namespace altostrat {
namespace {

namespace fs = std::filesystem;

class FakeSupplies {
  public:
    FakeSupplies() {
        root_ = fs::temp_directory_path() /
                ("altostrat-power-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(root_);
    }
    ~FakeSupplies() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    // The kernel writes each attribute as one word and a newline.
    void Add(const std::string& name, const std::string& type, const std::string& attribute = "",
             const std::string& value = "") {
        fs::create_directories(root_ / name);
        std::ofstream(root_ / name / "type") << type << "\n";
        if (!attribute.empty()) {
            std::ofstream(root_ / name / attribute) << value << "\n";
        }
    }
    std::string Root() const { return root_.string(); }

  private:
    fs::path root_;
};

TEST(PowerSupply, OnBatteryOnlyWithTheMachinesBatteryAndNoChargerOnline) {
    {
        FakeSupplies laptop;
        laptop.Add("AC", "Mains", "online", "0");
        laptop.Add("BAT0", "Battery", "status", "Discharging");
        EXPECT_TRUE(OnBatteryPower(laptop.Root()));
        laptop.Add("AC", "Mains", "online", "1");
        EXPECT_FALSE(OnBatteryPower(laptop.Root()));
        // Charged through USB-C: the Mains entry stays offline, the USB supply is online.
        laptop.Add("AC", "Mains", "online", "0");
        laptop.Add("ucsi-source-psy-USBC000:001", "USB", "online", "1");
        EXPECT_FALSE(OnBatteryPower(laptop.Root()));
        laptop.Add("ucsi-source-psy-USBC000:001", "USB", "online", "0");
        EXPECT_TRUE(OnBatteryPower(laptop.Root()));
    }
    {
        // A desktop: no mains entry, and the only battery is a wireless mouse's.
        FakeSupplies desktop;
        desktop.Add("hidpp_battery_0", "Battery", "scope", "Device");
        EXPECT_FALSE(OnBatteryPower(desktop.Root()));
        desktop.Add("AC", "Mains", "online", "0");
        EXPECT_FALSE(OnBatteryPower(desktop.Root()));
    }
    {
        // A charger whose state cannot be read counts as online; no supplies, or no folder at
        // all (a container), is mains.
        FakeSupplies unclear;
        unclear.Add("BAT1", "Battery");
        unclear.Add("ADP1", "Mains");
        EXPECT_FALSE(OnBatteryPower(unclear.Root()));
        FakeSupplies none;
        EXPECT_FALSE(OnBatteryPower(none.Root()));
        EXPECT_FALSE(OnBatteryPower(none.Root() + "/missing"));
    }
}

}  // namespace
}  // namespace altostrat
