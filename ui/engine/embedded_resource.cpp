#include "ui/engine/embedded_resource.h"

#include <windows.h>

std::span<const std::uint8_t> EmbeddedResourceBytes(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!info) return {};
  HGLOBAL loaded = LoadResource(module, info);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(SizeofResource(module, info))};
}
