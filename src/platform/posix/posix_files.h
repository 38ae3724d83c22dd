#pragma once

#include "platform/services.h"

namespace fluvane::platform::posix {

// Whole-file replacement through a pending file: written beside the target,
// flushed, renamed over it and the folder flushed.
class PosixFiles final : public platform::Files {
public:
    bool replace(const std::filesystem::path& file, const Writer& write) override;
};

}  // namespace fluvane::platform::posix
