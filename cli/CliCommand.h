#pragma once

// What tickwright-cli was asked to do, read from its arguments (UTF-8).
//   tickwright-cli [--zone Z] [--unit U] NUMBER...
//   tickwright-cli --to-timestamp [--zone Z] [--unit s|ms] DATE [TIME]
//   tickwright-cli annotate [--zone Z] [--unit U] [--window FROM..TO | --any]
//                           [--replace] [--iso] [FILE...]

#include <optional>
#include <string>
#include <vector>

#include "core/EpochScanner.h"
#include "core/Zones.h"

namespace tickwright::cli {

enum class CliAction { Convert, ToTimestamp, Annotate, Help, Version, Refuse };

struct CliCommand {
    CliAction action = CliAction::Refuse;
    std::optional<ZoneIndex> zone;  // nothing: the machine's own ("local")
    ScanOptions scan;               // the unit asked for, the window
    bool replace = false;
    bool iso = false;
    std::vector<std::string> operands;  // numbers, date and time, or files
    std::string problem;                // why it was refused
};

CliCommand ParseCliCommand(const std::vector<std::string>& arguments);

std::string CliUsage();
std::string CliVersion(const std::string& version);

}  // namespace tickwright::cli
