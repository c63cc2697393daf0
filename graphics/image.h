// A GDI+ image, loaded from a file or from bytes, with encoding and metadata.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphics/image_codecs.h"
#include "graphics/memory_stream.h"
#include "graphics/status.h"

namespace graphics {

class Image {
 public:
  Image() = default;
  virtual ~Image();              // 0
  Image(const Image&) = delete;  // 1
  Image& operator=(const Image&) = delete;
  Image(Image&& other) noexcept;
  Image& operator=(Image&& other) noexcept;

  Gdiplus::GpImage* GetNative() const { return native_; }  // 2
  // Takes ownership of `native`, disposing the image held before.
  void SetNative(Gdiplus::GpImage* native);                          // 3
  static void* Alloc(size_t size) { return graphics::Alloc(size); }  // 5
  static void Free(void* block) { graphics::Free(block); }           // 6
  // Disposes the image, then lets go of the stream it was read from.
  bool DisposeImage();                                                      // 8
  bool LoadImageFromFile(const std::string& file_name, bool icm = false);   // 9
  bool LoadImageFromFile(const std::wstring& file_name, bool icm = false);  // 10
  // Decodes `bytes` through a stream that lives as long as the image.
  bool LoadImageFromStream(const std::vector<uint8_t>& bytes, bool icm = false);  // 11
  bool CloneImage(Image& clone) const;                                            // 12
  bool GetEncoderParameterList(const std::string& format,
                               std::vector<EncoderParam>& list) const;  // 13
  // Without a format the file is BMP.
  bool SaveToFile(const std::string& file_name, const std::optional<std::string>& format = {},
                  const std::optional<EncoderParams>& params = {}) const;  // 14
  bool SaveToFileW(const std::wstring& file_name, const std::optional<std::string>& format = {},
                   const std::optional<EncoderParams>& params = {}) const;  // 15
  // The encoded bytes (empty on failure); without a format, the image's own.
  std::vector<uint8_t> SaveToStream(const std::optional<std::string>& format = {},
                                    const std::optional<EncoderParams>& params = {}) const;  // 16
  bool SaveAdd(const EncoderParams& params);                                                 // 17
  bool SaveAddImage(const Image& other, const EncoderParams& params);                        // 18
  Gdiplus::ImageType GetImageType() const;                                                   // 19
  SizeF GetImageDimension() const;                                                           // 20
  RectF GetImageBounds(Gdiplus::Unit* unit = nullptr) const;                                 // 21
  UINT GetImageWidth() const;                                                                // 22
  UINT GetImageHeight() const;                                                               // 23
  float GetImageHorizontalResolution() const;                                                // 24
  float GetImageVerticalResolution() const;                                                  // 25
  UINT GetImageFlags() const;                                                                // 26
  std::string GetRawFormat() const;                                                          // 27
  Gdiplus::PixelFormat GetImagePixelFormat() const;                                          // 28
  bool GetPalette(PaletteInfo& palette) const;                                               // 29
  bool SetPalette(const PaletteInfo& palette);                                               // 30
  Image GetImageThumbnail(UINT width, UINT height) const;                                    // 31
  UINT GetFrameCount(const std::string& dimension) const;                                    // 32
  bool GetFrameDimensions(std::vector<std::string>& dimensions) const;                       // 33
  bool SelectActiveFrame(const std::string& dimension, UINT index);                          // 34
  bool ImageRotateFlip(Gdiplus::RotateFlipType type);                                        // 35
  // Delay of each frame in hundredths of a second.
  bool GetFrameDelays(std::vector<uint32_t>& delays) const;   // 36
  bool GetPropertyItem(PROPID id, PropertyItem& item) const;  // 37
  bool SetPropertyItem(const PropertyItem& item);             // 38
  bool RemovePropertyItem(PROPID id);                         // 39
  std::vector<PROPID> GetPropertyIdList() const;              // 40

  // Gives the native image up without disposing it.
  Gdiplus::GpImage* Detach() { return detail::Detach(native_); }

 protected:
  // Loads through `create` from a fresh stream over `bytes`.
  template <typename Create>
  bool LoadFromBytes(const std::vector<uint8_t>& bytes, Create create);
  // Images made from this one may read the same stream.
  void ShareStreamWith(Image& other) const { other.stream_ = stream_; }

  Gdiplus::GpImage* native_ = nullptr;
  // The stream the image was decoded from; GDI+ reads it lazily, so it is
  // released only after the image (and every copy made from it) is gone.
  std::shared_ptr<MemoryStream> stream_;
};

template <typename Create>
bool Image::LoadFromBytes(const std::vector<uint8_t>& bytes, Create create) {
  DisposeImage();
  if (bytes.empty()) return detail::Record(Gdiplus::InvalidParameter);
  auto stream = std::make_shared<MemoryStream>();
  if (!stream->FillFromBytes(bytes)) return detail::Record(Gdiplus::OutOfMemory);
  Gdiplus::GpImage* image = nullptr;
  Gdiplus::Status status = create(stream->GetStream(), &image);
  if (status == Gdiplus::Ok) {
    stream_ = std::move(stream);
    SetNative(image);
  }
  return detail::Record(status);
}

}  // namespace graphics
