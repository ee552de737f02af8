#pragma once
class QWidget;

// Connects the vendor menu items and link labels that a window holds, found by their names,
// to the vendor pages (and "&About Software" to the about box):
//   mnuOnline  "help-web-page"      mnuVisit "home-page"     mnuUpdate "download-web-page"
//   mnuDonate  "donate"             mkmoney  "fully-branded" mnuAbout  the about box
//   banners (lblQuillmereBanner, Label61, Label1, Label14, lblHomePage) "home-page"
//   lblCobrand "co-brand"; lblFullBrand, Label7, Label15, lblCoBrand "fully-branded"
// The link labels go last in the window's Tab order, after the controls the window is for.
void Connect_Vendor_Links(QWidget* window);
