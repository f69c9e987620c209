// The Win32 driver's screenshots: what a window's client area shows, copied
// from the screen and written as PNG by the Windows Imaging Component.
#include "app/ui/test/win32/DriverSupport.h"
//
#include <wincodec.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/ui/win32/ComPointer.h"

namespace ui::test {

using namespace support;

namespace {

std::wstring ScreenshotFolder() {
    std::string folder = TICKWRIGHT_SCREENSHOT_DIR;
    // A Linux path, reached under Wine through its drive Z:.
    if (!folder.empty() && folder.front() == '/') {
        folder = "Z:" + folder;
    }
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return std::wstring(folder.begin(), folder.end());
}

// The client area's pixels, top row first, 3 bytes a pixel (blue, green,
// red), each row padded to 4 bytes.
std::vector<BYTE> ClientPixels(HWND window, int width, int height, UINT& stride) {
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    stride = static_cast<UINT>((width * 3 + 3) & ~3);
    std::vector<BYTE> pixels(static_cast<const BYTE*>(bits),
                             static_cast<const BYTE*>(bits) + std::size_t{stride} * height);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return pixels;
}

bool WritePng(const std::wstring& path, int width, int height, UINT stride,
              std::vector<BYTE>& pixels) {
    win32::ComPointer<IWICImagingFactory> factory;
    win32::ComPointer<IWICStream> stream;
    win32::ComPointer<IWICBitmapEncoder> encoder;
    win32::ComPointer<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IWICImagingFactory,
                                      reinterpret_cast<void**>(factory.Out()))) &&
           SUCCEEDED(factory->CreateStream(stream.Out())) &&
           SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
           SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) &&
           SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
           SUCCEEDED(encoder->CreateNewFrame(frame.Out(), nullptr)) &&
           SUCCEEDED(frame->Initialize(nullptr)) &&
           SUCCEEDED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height))) &&
           SUCCEEDED(frame->SetPixelFormat(&format)) &&
           IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
           SUCCEEDED(frame->WritePixels(static_cast<UINT>(height), stride,
                                        static_cast<UINT>(pixels.size()), pixels.data())) &&
           SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

}  // namespace

std::optional<PictureSize> SaveScreenshot(Window window, std::string_view name) {
    HWND handle = HandleOf(window);
    RedrawWindow(handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(handle, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    UINT stride = 0;
    std::vector<BYTE> pixels = ClientPixels(handle, width, height, stride);
    const std::wstring folder = ScreenshotFolder();
    CreateDirectoryW(folder.c_str(), nullptr);
    const UINT dpi = GetDpiForSystem();
    const std::wstring scale = dpi == 96    ? L""
                               : dpi == 144 ? L"@1.5x"
                               : dpi == 192 ? L"@2x"
                                            : L"@dpi" + std::to_wstring(dpi);
    const std::wstring file =
        folder + L"\\" + std::wstring(name.begin(), name.end()) + scale + L".png";
    if (!WritePng(file, width, height, stride, pixels)) {
        return std::nullopt;
    }
    return PictureSize{width, height};
}

}  // namespace ui::test
