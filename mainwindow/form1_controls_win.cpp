#include "mainwindow/form1_controls_win.h"

#include "forms/stretched_picture_win.h"
#include "resources/picture_loading_win.h"
#include "resources/resource_ids.h"

namespace pbw {

void ShowForm1Pictures(const Form1Controls& controls, HINSTANCE instance) {
  const HCURSOR bannerPointer = ::LoadCursorW(instance, MAKEINTRESOURCEW(IDC_BANNER_POINTER));
  MakeStretchedPicture(
      controls[ControlId::Image1], [instance] { return LoadJpegResource(instance, IDR_MAKER_BANNER); }, bannerPointer,
      L"Klicken Sie hier, um weitere Programme von Trelvik Software kennenzulernen ...");
  MakeStretchedPicture(
      controls[ControlId::Image2], [instance] { return LoadBitmapResource(instance, IDB_PARTNER_BANNER); },
      bannerPointer, L"Klicken Sie hier, um die neuesten Nachrichten im Web-Magazin Netzpost zu lesen ...");
  MakeStretchedPicture(
      controls[ControlId::Image3], [instance] { return LoadJpegResource(instance, IDR_SIDE_PICTURE); }, nullptr, L"");
}

}  // namespace pbw
