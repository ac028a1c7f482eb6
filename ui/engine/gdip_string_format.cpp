#include "ui/engine/gdip_string_format.h"

#include <utility>

GdipStringFormat::~GdipStringFormat() { Delete(); }

GdipStringFormat::GdipStringFormat(const GdipStringFormat& other) {
  if (other.Handle && GdipCloneStringFormat(other.Handle, &Handle) != Ok) Handle = nullptr;
}

GdipStringFormat& GdipStringFormat::operator=(const GdipStringFormat& other) {
  if (this != &other) {
    GdipStringFormat copy(other);
    *this = std::move(copy);
  }
  return *this;
}

GdipStringFormat::GdipStringFormat(GdipStringFormat&& other) noexcept
    : Handle(std::exchange(other.Handle, nullptr)) {}

GdipStringFormat& GdipStringFormat::operator=(GdipStringFormat&& other) noexcept {
  if (this != &other) {
    Delete();
    Handle = std::exchange(other.Handle, nullptr);
  }
  return *this;
}

void GdipStringFormat::Delete() {
  if (Handle) {
    GdipDeleteStringFormat(Handle);
    Handle = nullptr;
  }
}

void GdipStringFormat::FromGenericTypographic() {
  Delete();
  GpStringFormat* generic = nullptr;
  if (GdipStringFormatGetGenericTypographic(&generic) != Ok || !generic) return;
  if (GdipCloneStringFormat(generic, &Handle) != Ok) Handle = nullptr;
}

bool GdipStringFormat::SetAlign(StringAlignment align) {
  return Handle && GdipSetStringFormatAlign(Handle, align) == Ok;
}

bool GdipStringFormat::SetTrimming(StringTrimming trimming) {
  return Handle && GdipSetStringFormatTrimming(Handle, trimming) == Ok;
}

bool GdipStringFormat::SetHotkeyPrefix(HotkeyPrefix prefix) {
  return Handle && GdipSetStringFormatHotkeyPrefix(Handle, prefix) == Ok;
}

bool GdipStringFormat::SetFlags(INT flags) {
  return Handle && GdipSetStringFormatFlags(Handle, flags) == Ok;
}

int GdipStringFormat::GetAlign() const {
  StringAlignment align = StringAlignmentNear;
  if (!Handle || GdipGetStringFormatAlign(Handle, &align) != Ok) return 0;
  return static_cast<int>(align);
}
