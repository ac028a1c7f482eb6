// Raw bytes of a resource compiled into the running program.
#pragma once

#include <cstdint>
#include <span>

// The RCDATA resource `id` of the program's own module; empty when it is missing.
// The bytes belong to the module image and stay valid for the whole run.
std::span<const std::uint8_t> EmbeddedResourceBytes(int id);
