#pragma once
// The working copy of a save on the Win32 file system: copied beside the
// settings file, read back through the profile functions and renamed over
// the file in one step.

#include "app/ports.h"

namespace lurn::win32 {

class WorkingCopies final : public SettingsFileCopies {
public:
    bool copy(const Text& file, const Text& copy) const override;
    bool flush(const Text& copy) const override;
    std::vector<ProfileEntry> entries(const Text& file) const override;
    bool replace(const Text& copy, const Text& file) const override;
    void remove(const Text& copy) const override;
};

} // namespace lurn::win32
