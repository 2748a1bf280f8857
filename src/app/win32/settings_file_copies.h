#pragma once
// The working copy of a save on the Win32 file system: copied beside the
// settings file and renamed over the file in one step; and the file's own
// bytes, for a save that writes the file in place.

#include "app/ports.h"

namespace lurn::win32 {

class WorkingCopies final : public SettingsFileCopies {
public:
    FileStep copy(const Text& file, const Text& copy) const override;
    bool flush(const Text& path) const override;
    FileStep replace(const Text& copy, const Text& file) const override;
    void remove(const Text& copy) const override;
    std::optional<std::string> writableBytes(const Text& file) const override;
    bool rewrite(const Text& file, const std::string& bytes) const override;
};

} // namespace lurn::win32
