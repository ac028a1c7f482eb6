// GdipStringFormat: the owner of one GDI+ string format.
#pragma once

#include "ui/engine/gdiplus_api.h"

class GdipStringFormat {
 public:
  GdipStringFormat() = default;
  ~GdipStringFormat();  // deletes the format
  GdipStringFormat(const GdipStringFormat& other);  // an independent copy (Clone)
  GdipStringFormat& operator=(const GdipStringFormat& other);
  GdipStringFormat(GdipStringFormat&& other) noexcept;
  GdipStringFormat& operator=(GdipStringFormat&& other) noexcept;

  GdipStringFormat Clone() const { return GdipStringFormat(*this); }

  void Delete();
  // Starts from a private copy of the generic typographic format (the process-wide one is
  // shared by every caller and must not be changed or deleted).
  void FromGenericTypographic();
  bool SetAlign(StringAlignment align);
  bool SetTrimming(StringTrimming trimming);
  bool SetHotkeyPrefix(HotkeyPrefix prefix);
  bool SetFlags(INT flags);
  int GetAlign() const;
  GpStringFormat* GetHandle() const { return Handle; }

 private:
  GpStringFormat* Handle = nullptr;
};
