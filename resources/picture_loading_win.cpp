#include "resources/picture_loading_win.h"

#include <objbase.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <span>

namespace pbw {
namespace {

using Microsoft::WRL::ComPtr;

std::span<const BYTE> ResourceBytes(HINSTANCE instance, int id, const wchar_t* type) {
  const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  const HGLOBAL loaded = ::LoadResource(instance, found);  // part of the module: never freed
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const BYTE*>(bytes), ::SizeofResource(instance, found)};
}

// A top-down 32-bit DIB section of the given size, with its pixel memory.
UniqueBitmap BlankDibSection(UINT width, UINT height, void** pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return UniqueBitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, pixels, nullptr, 0));
}

// The picture's first frame as 32-bit BGR pixels; null when the bytes are no picture.
ComPtr<IWICBitmapSource> FirstFrameAsBgr(IWICImagingFactory& factory, std::span<const BYTE> bytes) {
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory.CreateStream(stream.GetAddressOf())) ||
      // The stream only reads: the resource's bytes stay as they are.
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory.CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                             decoder.GetAddressOf())) ||
      FAILED(decoder->GetFrame(0, frame.GetAddressOf())) ||
      FAILED(factory.CreateFormatConverter(converter.GetAddressOf())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return nullptr;
  return converter;
}

UniqueBitmap DecodePicture(std::span<const BYTE> bytes) {
  ComPtr<IWICImagingFactory> factory;
  if (bytes.empty() || FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_PPV_ARGS(factory.GetAddressOf()))))
    return {};
  const ComPtr<IWICBitmapSource> source = FirstFrameAsBgr(*factory.Get(), bytes);
  UINT width = 0;
  UINT height = 0;
  if (!source || FAILED(source->GetSize(&width, &height)) || width == 0 || height == 0) return {};
  void* pixels = nullptr;
  UniqueBitmap bitmap = BlankDibSection(width, height, &pixels);
  const UINT stride = width * 4;
  if (!bitmap || FAILED(source->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels)))) return {};
  return bitmap;
}

}  // namespace

UniqueBitmap LoadJpegResource(HINSTANCE instance, int id) {
  // The imaging codecs work in either apartment.
  const ComApartment com;
  return DecodePicture(ResourceBytes(instance, id, RT_RCDATA));
}

UniqueIcon LoadIconResource(HINSTANCE instance, int id, int size) {
  return UniqueIcon(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

UniqueBitmap LoadBitmapResource(HINSTANCE instance, int id) {
  return UniqueBitmap(
      static_cast<HBITMAP>(::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace pbw
