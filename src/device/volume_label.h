#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace device {

// Where udev keeps one symbolic link per labelled volume, named after the label.
inline const std::filesystem::path kLabelFolder = "/dev/disk/by-label";

// The label of the volume on `device`: the name of the link in `label_folder` that leads to the
// same device, with its "\x20"-style escapes decoded. Empty when no link leads there.
std::string VolumeLabel(const std::filesystem::path& device,
                        const std::filesystem::path& label_folder);

// A link name with udev's escapes of unsafe bytes ("\x20" for a blank) decoded.
std::string DecodeLabelName(std::string_view name);

}  // namespace device
