// Every GDI+ flat function the wrapper classes stand for is reached through a
// wrapper operation (checked by recording the program's calls into gdiplus.dll),
// every operation answers with a status on valid objects, and none crashes on
// objects that hold nothing.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "graphics/bitmap.h"
#include "graphics/font_collection.h"
#include "graphics/graphics.h"
#include "graphics/line_brush.h"
#include "graphics/path_gradient.h"
#include "graphics/solid_fill.h"
#include "graphics/stubbed_functions.h"
#include "tests/graphics/graphics_test_support.h"
#include "tests/graphics/import_recorder.h"

namespace {

using namespace graphics;
using namespace Gdiplus;
using graphics::Bitmap;
using graphics::Brush;
using graphics::Font;
using graphics::FontCollection;
using graphics::FontFamily;
using graphics::Graphics;
using graphics::Image;
using graphics::Matrix;
using graphics::Pen;
using graphics::PropertyItem;
using graphics::Region;
using graphics::StringFormat;
using graphics_test::Fixture;

// The flat functions each class stands for, as the class lists name them
// (the ICM and second-device variants included).
const std::map<std::string, std::string> kClassFunctions = {
    {"Graphics",
     "DeleteGraphics Flush CreateFromHWND CreateFromHWNDICM CreateFromHDC CreateFromHDC2 "
     "GetImageGraphicsContext GetDC ReleaseDC GetRenderingOrigin SetRenderingOrigin "
     "GetCompositingMode SetCompositingMode GetCompositingQuality SetCompositingQuality "
     "SetTextRenderingHint GetTextRenderingHint SetTextContrast GetTextContrast "
     "SetInterpolationMode GetInterpolationMode SetSmoothingMode GetSmoothingMode "
     "SetPixelOffsetMode GetPixelOffsetMode SetWorldTransform GetWorldTransform "
     "ResetWorldTransform MultiplyWorldTransform TranslateWorldTransform ScaleWorldTransform "
     "RotateWorldTransform SetPageUnit GetPageUnit SetPageScale GetPageScale GetDpiX GetDpiY "
     "TransformPoints TransformPointsI GetNearestColor DrawLine DrawLineI DrawLines DrawLinesI "
     "DrawArc DrawArcI DrawBezier DrawBezierI DrawBeziers DrawBeziersI DrawRectangle "
     "DrawRectangleI DrawRectangles DrawRectanglesI DrawEllipse DrawEllipseI DrawPie DrawPieI "
     "DrawPolygon DrawPolygonI DrawPath DrawCurve DrawCurveI DrawCurve2 DrawCurve2I DrawCurve3 "
     "DrawCurve3I DrawClosedCurve DrawClosedCurveI DrawClosedCurve2 DrawClosedCurve2I "
     "GraphicsClear FillRectangle FillRectangleI FillRectangles FillRectanglesI FillPolygon "
     "FillPolygonI FillEllipse FillEllipseI FillPie FillPieI FillPath FillClosedCurve "
     "FillClosedCurve2 FillClosedCurveI FillClosedCurve2I FillRegion DrawString MeasureString "
     "MeasureCharacterRanges DrawDriverString DrawImage DrawImageI DrawCachedBitmap "
     "DrawImageRectRect DrawImageRectRectI DrawImagePoints DrawImagePointsI DrawImagePointRect "
     "DrawImagePointRectI DrawImagePointsRect DrawImagePointsRectI EnumerateMetafileDestPoint "
     "EnumerateMetafileDestPointI EnumerateMetafileDestPoints EnumerateMetafileDestPointsI "
     "EnumerateMetafileDestRect EnumerateMetafileDestRectI EnumerateMetafileSrcRectDestPoint "
     "EnumerateMetafileSrcRectDestPointI EnumerateMetafileSrcRectDestPoints "
     "EnumerateMetafileSrcRectDestPointsI EnumerateMetafileSrcRectDestRect "
     "EnumerateMetafileSrcRectDestRectI SetClipGraphics SetClipPath SetClipRect SetClipRectI "
     "SetClipRegion SetClipHrgn ResetClip TranslateClip TranslateClipI GetClip GetClipBounds "
     "GetClipBoundsI GetVisibleClipBounds GetVisibleClipBoundsI IsClipEmpty IsVisibleClipEmpty "
     "IsVisiblePoint IsVisiblePointI IsVisibleRect IsVisibleRectI SaveGraphics RestoreGraphics "
     "BeginContainer BeginContainerI BeginContainer2 EndContainer Comment"},
    {"Path",
     "DeletePath CreatePath CreatePath2 CreatePath2I ClonePath ResetPath GetPathFillMode "
     "SetPathFillMode GetPathData GetPathTypes GetPathPoints GetPathPointsI StartPathFigure "
     "ClosePathFigure ClosePathFigures SetPathMarker ClearPathMarkers ReversePath "
     "GetPathLastPoint AddPathLine AddPathLineI AddPathLine2 AddPathLine2I AddPathArc "
     "AddPathArcI AddPathBezier AddPathBezierI AddPathBeziers AddPathBeziersI AddPathCurve "
     "AddPathCurve2 AddPathCurve3 AddPathCurveI AddPathCurve2I AddPathCurve3I "
     "AddPathClosedCurve AddPathClosedCurve2 AddPathClosedCurveI AddPathClosedCurve2I "
     "AddPathRectangle AddPathRectangles AddPathRectangleI AddPathRectanglesI AddPathEllipse "
     "AddPathEllipseI AddPathPie AddPathPieI AddPathPolygon AddPathPolygonI AddPathPath "
     "AddPathString AddPathStringI TransformPath GetPathWorldBounds GetPathWorldBoundsI "
     "FlattenPath WidenPath WindingModeOutline WarpPath GetPointCount IsVisiblePathPoint "
     "IsVisiblePathPointI IsOutlineVisiblePathPoint IsOutlineVisiblePathPointI"},
    {"Brush", "DeleteBrush CloneBrush GetBrushType"},
    {"SolidFill", "CreateSolidFill SetSolidFillColor GetSolidFillColor"},
    {"LineBrush",
     "CreateLineBrush CreateLineBrushI CreateLineBrushFromRect CreateLineBrushFromRectI "
     "CreateLineBrushFromRectWithAngle CreateLineBrushFromRectWithAngleI GetLineColors "
     "SetLineColors GetLineRect GetLineRectI SetLineGammaCorrection GetLineGammaCorrection "
     "SetLineBlend GetLineBlendCount GetLineBlend SetLinePresetBlend GetLinePresetBlendCount "
     "GetLinePresetBlend SetLineSigmaBlend SetLineLinearBlend GetLineWrapMode SetLineWrapMode "
     "GetLineTransform SetLineTransform ResetLineTransform MultiplyLineTransform "
     "TranslateLineTransform ScaleLineTransform RotateLineTransform"},
    {"PathGradient",
     "CreatePathGradient CreatePathGradientI CreatePathGradientFromPath "
     "GetPathGradientCenterColor SetPathGradientCenterColor GetPathGradientPointCount "
     "GetPathGradientSurroundColorCount GetPathGradientSurroundColorsWithCount "
     "SetPathGradientSurroundColorsWithCount GetPathGradientPath SetPathGradientPath "
     "GetPathGradientCenterPoint GetPathGradientCenterPointI SetPathGradientCenterPoint "
     "GetPathGradientRect GetPathGradientRectI SetPathGradientGammaCorrection "
     "GetPathGradientGammaCorrection GetPathGradientBlendCount SetPathGradientBlend "
     "GetPathGradientBlend GetPathGradientPresetBlendCount SetPathGradientPresetBlend "
     "GetPathGradientPresetBlend SetPathGradientSigmaBlend SetPathGradientLinearBlend "
     "GetPathGradientFocusScales SetPathGradientFocusScales GetPathGradientWrapMode "
     "SetPathGradientWrapMode GetPathGradientTransform SetPathGradientTransform "
     "ResetPathGradientTransform MultiplyPathGradientTransform TranslatePathGradientTransform "
     "ScalePathGradientTransform RotatePathGradientTransform"},
    {"Pen",
     "DeletePen CreatePen1 CreatePen2 ClonePen GetPenWidth SetPenWidth GetPenUnit SetPenUnit "
     "SetPenLineCap197819 SetPenStartCap SetPenEndCap SetPenDashCap197819 GetPenStartCap "
     "GetPenEndCap GetPenDashCap197819 SetPenLineJoin GetPenLineJoin SetPenCustomStartCap "
     "GetPenCustomStartCap SetPenCustomEndCap GetPenCustomEndCap SetPenMiterLimit "
     "GetPenMiterLimit SetPenMode GetPenMode SetPenTransform GetPenTransform ResetPenTransform "
     "MultiplyPenTransform RotatePenTransform ScalePenTransform TranslatePenTransform "
     "GetPenColor SetPenColor SetPenBrushFill GetPenBrushFill GetPenFillType SetPenDashStyle "
     "GetPenDashStyle GetPenDashOffset SetPenDashOffset GetPenDashArray SetPenDashArray "
     "SetPenCompoundArray GetPenCompoundArray"},
    {"Font",
     "DeleteFont CreateFont CreateFontFromDC CreateFontFromLogfontA CreateFontFromLogfontW "
     "CloneFont GetLogFontA GetLogFontW GetFamily GetFontStyle GetFontSize GetFontUnit "
     "GetFontHeight GetFontHeightGivenDPI"},
    {"FontFamily",
     "DeleteFontFamily CreateFontFamilyFromName GetGenericFontFamilySansSerif "
     "GetGenericFontFamilySerif GetGenericFontFamilyMonospace CloneFontFamily GetFamilyName "
     "IsStyleAvailable GetEmHeight GetCellAscent GetCellDescent GetLineSpacing"},
    {"FontCollection", "GetFontCollectionFamilyCount GetFontCollectionFamilyList"},
    {"StringFormat",
     "DeleteStringFormat CreateStringFormat StringFormatGetGenericDefault "
     "StringFormatGetGenericTypographic CloneStringFormat SetStringFormatFlags "
     "GetStringFormatFlags SetStringFormatAlign GetStringFormatAlign SetStringFormatLineAlign "
     "GetStringFormatLineAlign SetStringFormatTrimming GetStringFormatTrimming "
     "SetStringFormatHotkeyPrefix GetStringFormatHotkeyPrefix SetStringFormatTabStops "
     "GetStringFormatTabStops SetStringFormatDigitSubstitution GetStringFormatDigitSubstitution "
     "SetStringFormatMeasurableCharacterRanges GetStringFormatMeasurableCharacterRangeCount"},
    {"Image",
     "DisposeImage LoadImageFromFile LoadImageFromFileICM LoadImageFromStream "
     "LoadImageFromStreamICM CloneImage SaveImageToFile SaveImageToStream SaveAdd SaveAddImage "
     "GetImageType GetImageDimension GetImageBounds GetImageWidth GetImageHeight "
     "GetImageHorizontalResolution GetImageVerticalResolution GetImageFlags GetImageRawFormat "
     "GetImagePixelFormat GetImagePalette SetImagePalette GetImageThumbnail ImageGetFrameCount "
     "ImageGetFrameDimensionsList ImageSelectActiveFrame ImageRotateFlip GetPropertyItem "
     "SetPropertyItem RemovePropertyItem GetPropertyIdList"},
    {"Bitmap",
     "CreateBitmapFromFile CreateBitmapFromFileICM CreateBitmapFromStream "
     "CreateBitmapFromStreamICM CreateBitmapFromScan0 CreateBitmapFromGraphics "
     "CreateBitmapFromGdiDib CreateBitmapFromHBITMAP CreateBitmapFromHICON "
     "CreateBitmapFromResource CreateHBITMAPFromBitmap CreateHICONFromBitmap CloneBitmapArea "
     "CloneBitmapAreaI BitmapLockBits BitmapUnlockBits BitmapGetPixel BitmapSetPixel "
     "BitmapSetResolution BitmapApplyEffect"},
    {"Region",
     "DeleteRegion CreateRegion CreateRegionRect CreateRegionRectI CreateRegionPath "
     "CreateRegionHrgn CreateRegionRgnData CloneRegion SetInfinite SetEmpty CombineRegionRect "
     "CombineRegionRectI CombineRegionRegion CombineRegionPath TranslateRegion "
     "TranslateRegionI TransformRegion GetRegionBounds GetRegionBoundsI GetRegionDataSize "
     "GetRegionData GetRegionHRgn IsEmptyRegion IsInfiniteRegion IsEqualRegion "
     "IsVisibleRegionPoint IsVisibleRegionPointI IsVisibleRegionRect IsVisibleRegionRectI "
     "GetRegionScansCount GetRegionScans GetRegionScansI"},
};

// Reached by look-up at run time rather than through the import table.
const std::set<std::string> kLookedUp = {"BitmapApplyEffect"};

std::vector<PointF> Pts() { return {PointF(1, 1), PointF(20, 3), PointF(25, 20), PointF(4, 24)}; }
std::vector<Point> PtsI() { return {Point(1, 1), Point(20, 3), Point(25, 20), Point(4, 24)}; }
std::vector<PointF> Corners() { return {PointF(0, 0), PointF(10, 0), PointF(0, 10)}; }
std::vector<Point> CornersI() { return {Point(0, 0), Point(10, 0), Point(0, 10)}; }
const RectF kBox(0, 0, 30, 30);
const Rect kBoxI(0, 0, 30, 30);
BOOL CALLBACK PlayRecord(EmfPlusRecordType, UINT, UINT, const BYTE*, VOID*) { return TRUE; }

// A custom line cap, deleted at scope end.
struct ArrowCap {
  GpAdjustableArrowCap* cap = nullptr;
  ArrowCap() { DllExports::GdipCreateAdjustableArrowCap(4, 4, TRUE, &cap); }
  ~ArrowCap() {
    if (cap) DllExports::GdipDeleteCustomLineCap(cap);
  }
};
void DeleteCap(GpCustomLineCap* cap) {
  if (cap) DllExports::GdipDeleteCustomLineCap(cap);
}

EncoderParams SaveFlag() {
  EncoderParam flag{kEncoderSaveFlag, 1, EncoderParameterValueTypeLong, {}};
  const uint32_t value = EncoderValueFrameDimensionPage;
  flag.Values.assign(reinterpret_cast<const uint8_t*>(&value),
                     reinterpret_cast<const uint8_t*>(&value) + 4);
  return EncoderParams{1, {flag}};
}

PropertyItem Property() {
  return PropertyItem{0x0320, 4, PropertyTagTypeASCII, {'a', 'b', 'c', 0}};
}

struct Operation {
  const char* function;  // without the Gdip prefix
  // Runs the operation and answers the status it left (read before the
  // operation's own temporary objects go and record theirs).
  std::function<Status(Fixture&)> call;
};

#define OP(name, ...)                                       \
  {                                                         \
#name, [](Fixture& f) { __VA_ARGS__; return LastStatus(); } \
  }

const std::vector<Operation>& Operations() {
  static const std::vector<Operation> operations = {
    // Graphics
    OP(DeleteGraphics, f.g.DeleteGraphics()),
    OP(Flush, f.g.Flush()),
    OP(CreateFromHWND, f.g.CreateFromHWND(f.window)),
    OP(CreateFromHWNDICM, f.g.CreateFromHWND(f.window, true)),
    OP(CreateFromHDC, f.g.CreateFromHDC(f.dc.get())),
    OP(CreateFromHDC2, f.g.CreateFromHDC(f.dc.get(), HANDLE(nullptr))),
    OP(GetImageGraphicsContext, f.g.GetImageGraphicsContext(f.bitmap)),
    OP(GetDC, HDC dc = f.g.GetDC(); if (dc) f.g.ReleaseDC(dc)),
    OP(ReleaseDC, HDC dc = f.g.GetDC(); f.g.ReleaseDC(dc)),
    OP(GetRenderingOrigin, f.g.GetRenderingOrigin()),
    OP(SetRenderingOrigin, f.g.SetRenderingOrigin(1, 1)),
    OP(GetCompositingMode, f.g.GetCompositingMode()),
    OP(SetCompositingMode, f.g.SetCompositingMode(CompositingModeSourceCopy)),
    OP(GetCompositingQuality, f.g.GetCompositingQuality()),
    OP(SetCompositingQuality, f.g.SetCompositingQuality(CompositingQualityHighQuality)),
    OP(SetTextRenderingHint, f.g.SetTextRenderingHint(TextRenderingHintAntiAlias)),
    OP(GetTextRenderingHint, f.g.GetTextRenderingHint()),
    OP(SetTextContrast, f.g.SetTextContrast(4)),
    OP(GetTextContrast, f.g.GetTextContrast()),
    OP(SetInterpolationMode, f.g.SetInterpolationMode(InterpolationModeBilinear)),
    OP(GetInterpolationMode, f.g.GetInterpolationMode()),
    OP(SetSmoothingMode, f.g.SetSmoothingMode(SmoothingModeAntiAlias)),
    OP(GetSmoothingMode, f.g.GetSmoothingMode()),
    OP(SetPixelOffsetMode, f.g.SetPixelOffsetMode(PixelOffsetModeHalf)),
    OP(GetPixelOffsetMode, f.g.GetPixelOffsetMode()),
    OP(SetWorldTransform, f.g.SetWorldTransform(kIdentityMatrix)),
    OP(GetWorldTransform, f.g.GetWorldTransform()),
    OP(ResetWorldTransform, f.g.ResetWorldTransform()),
    OP(MultiplyWorldTransform, f.g.MultiplyWorldTransform(kIdentityMatrix)),
    OP(TranslateWorldTransform, f.g.TranslateWorldTransform(1, 1)),
    OP(ScaleWorldTransform, f.g.ScaleWorldTransform(2, 2)),
    OP(RotateWorldTransform, f.g.RotateWorldTransform(30)),
    OP(SetPageUnit, f.g.SetPageUnit(UnitPixel)),
    OP(GetPageUnit, f.g.GetPageUnit()),
    OP(SetPageScale, f.g.SetPageScale(1)),
    OP(GetPageScale, f.g.GetPageScale()),
    OP(GetDpiX, f.g.GetDpiX()),
    OP(GetDpiY, f.g.GetDpiY()),
    OP(TransformPoints, auto p = Pts();
       f.g.TransformPoints(CoordinateSpaceDevice, CoordinateSpaceWorld, p)),
    OP(TransformPointsI, auto p = PtsI();
       f.g.TransformPointsI(CoordinateSpaceDevice, CoordinateSpaceWorld, p)),
    OP(GetNearestColor, f.g.GetNearestColor(0xFF123456)),
    OP(DrawLine, f.g.DrawLine(f.pen, 0, 0, 5, 5)),
    OP(DrawLineI, f.g.DrawLineI(f.pen, 0, 0, 5, 5)),
    OP(DrawLines, f.g.DrawLines(f.pen, Pts())),
    OP(DrawLinesI, f.g.DrawLinesI(f.pen, PtsI())),
    OP(DrawArc, f.g.DrawArc(f.pen, 1, 1, 10, 10, 0, 90)),
    OP(DrawArcI, f.g.DrawArcI(f.pen, 1, 1, 10, 10, 0, 90)),
    OP(DrawBezier, f.g.DrawBezier(f.pen, 0, 0, 5, 10, 10, 5, 20, 20)),
    OP(DrawBezierI, f.g.DrawBezierI(f.pen, 0, 0, 5, 10, 10, 5, 20, 20)),
    OP(DrawBeziers, f.g.DrawBeziers(f.pen, Pts())),
    OP(DrawBeziersI, f.g.DrawBeziersI(f.pen, PtsI())),
    OP(DrawRectangle, f.g.DrawRectangle(f.pen, 1, 1, 5, 5)),
    OP(DrawRectangleI, f.g.DrawRectangleI(f.pen, 1, 1, 5, 5)),
    OP(DrawRectangles, f.g.DrawRectangles(f.pen, {RectF(1, 1, 5, 5)})),
    OP(DrawRectanglesI, f.g.DrawRectanglesI(f.pen, {Rect(1, 1, 5, 5)})),
    OP(DrawEllipse, f.g.DrawEllipse(f.pen, 1, 1, 5, 5)),
    OP(DrawEllipseI, f.g.DrawEllipseI(f.pen, 1, 1, 5, 5)),
    OP(DrawPie, f.g.DrawPie(f.pen, 1, 1, 10, 10, 0, 90)),
    OP(DrawPieI, f.g.DrawPieI(f.pen, 1, 1, 10, 10, 0, 90)),
    OP(DrawPolygon, f.g.DrawPolygon(f.pen, Pts())),
    OP(DrawPolygonI, f.g.DrawPolygonI(f.pen, PtsI())),
    OP(DrawPath, f.g.DrawPath(f.pen, f.path)),
    OP(DrawCurve, f.g.DrawCurve(f.pen, Pts())),
    OP(DrawCurveI, f.g.DrawCurveI(f.pen, PtsI())),
    OP(DrawCurve2, f.g.DrawCurve2(f.pen, Pts(), 0.5f)),
    OP(DrawCurve2I, f.g.DrawCurve2I(f.pen, PtsI(), 0.5f)),
    OP(DrawCurve3, f.g.DrawCurve3(f.pen, Pts(), 0, 2, 0.5f)),
    OP(DrawCurve3I, f.g.DrawCurve3I(f.pen, PtsI(), 0, 2, 0.5f)),
    OP(DrawClosedCurve, f.g.DrawClosedCurve(f.pen, Pts())),
    OP(DrawClosedCurveI, f.g.DrawClosedCurveI(f.pen, PtsI())),
    OP(DrawClosedCurve2, f.g.DrawClosedCurve2(f.pen, Pts(), 0.5f)),
    OP(DrawClosedCurve2I, f.g.DrawClosedCurve2I(f.pen, PtsI(), 0.5f)),
    OP(GraphicsClear, f.g.GraphicsClear(0xFF000000)),
    OP(FillRectangle, f.g.FillRectangle(f.solid, RectF(1, 1, 5, 5))),
    OP(FillRectangleI, f.g.FillRectangleI(f.solid, 1, 1, 5, 5)),
    OP(FillRectangles, f.g.FillRectangles(f.solid, {RectF(1, 1, 5, 5)})),
    OP(FillRectanglesI, f.g.FillRectanglesI(f.solid, {Rect(1, 1, 5, 5)})),
    OP(FillPolygon, f.g.FillPolygon(f.solid, Pts())),
    OP(FillPolygonI, f.g.FillPolygonI(f.solid, PtsI())),
    OP(FillEllipse, f.g.FillEllipse(f.solid, 1, 1, 5, 5)),
    OP(FillEllipseI, f.g.FillEllipseI(f.solid, 1, 1, 5, 5)),
    OP(FillPie, f.g.FillPie(f.solid, 1, 1, 10, 10, 0, 90)),
    OP(FillPieI, f.g.FillPieI(f.solid, 1, 1, 10, 10, 0, 90)),
    OP(FillPath, f.g.FillPath(f.solid, f.path)),
    OP(FillClosedCurve, f.g.FillClosedCurve(f.solid, Pts())),
    OP(FillClosedCurve2, f.g.FillClosedCurve2(f.solid, Pts(), 0.5f)),
    OP(FillClosedCurveI, f.g.FillClosedCurveI(f.solid, PtsI())),
    OP(FillClosedCurve2I, f.g.FillClosedCurve2I(f.solid, PtsI(), 0.5f)),
    OP(FillRegion, f.g.FillRegion(f.solid, f.region)),
    OP(DrawString, f.g.DrawString("ab", f.font, kBox, &f.format, f.solid)),
    OP(MeasureString, f.g.MeasureString("ab", f.font, kBox, &f.format)),
    OP(MeasureCharacterRanges, std::vector<Region> r;
       f.g.MeasureCharacterRanges("ab", f.font, kBox, f.format, r)),
    OP(DrawDriverString, f.g.DrawDriverString("ab", f.font, f.solid, {PointF(1, 10), PointF(8, 10)},
                                              DriverStringOptionsCmapLookup)),
    OP(DrawImage, f.g.DrawImage(f.image, 0, 0)),
    OP(DrawImageI, f.g.DrawImageI(f.image, 0, 0)),
    OP(DrawCachedBitmap, GpCachedBitmap* cached = nullptr;
       DllExports::GdipCreateCachedBitmap(f.other.GetNative(), f.g.GetNative(), &cached);
       f.g.DrawCachedBitmap(cached, 0, 0); if (cached) DllExports::GdipDeleteCachedBitmap(cached)),
    OP(DrawImageRectRect, f.g.DrawImageRectRect(f.image, 0, 0, 10, 10)),
    OP(DrawImageRectRectI, f.g.DrawImageRectRectI(f.image, 0, 0, 10, 10)),
    OP(DrawImagePoints, f.g.DrawImagePoints(f.image, Corners())),
    OP(DrawImagePointsI, f.g.DrawImagePointsI(f.image, CornersI())),
    OP(DrawImagePointRect, f.g.DrawImagePointRect(f.image, 0, 0, 0, 0, 4, 4)),
    OP(DrawImagePointRectI, f.g.DrawImagePointRectI(f.image, 0, 0, 0, 0, 4, 4)),
    OP(DrawImagePointsRect, f.g.DrawImagePointsRect(f.image, Corners(), 0, 0, 4, 4)),
    OP(DrawImagePointsRectI, f.g.DrawImagePointsRectI(f.image, CornersI(), 0, 0, 4, 4)),
    OP(EnumerateMetafileDestPoint,
       f.g.EnumerateMetafileDestPoint(f.metafile, PointF(0, 0), PlayRecord)),
    OP(EnumerateMetafileDestPointI,
       f.g.EnumerateMetafileDestPointI(f.metafile, Point(0, 0), PlayRecord)),
    OP(EnumerateMetafileDestPoints,
       f.g.EnumerateMetafileDestPoints(f.metafile, Corners(), PlayRecord)),
    OP(EnumerateMetafileDestPointsI,
       f.g.EnumerateMetafileDestPointsI(f.metafile, CornersI(), PlayRecord)),
    OP(EnumerateMetafileDestRect, f.g.EnumerateMetafileDestRect(f.metafile, kBox, PlayRecord)),
    OP(EnumerateMetafileDestRectI, f.g.EnumerateMetafileDestRectI(f.metafile, kBoxI, PlayRecord)),
    OP(EnumerateMetafileSrcRectDestPoint,
       f.g.EnumerateMetafileSrcRectDestPoint(f.metafile, PointF(0, 0), kBox, UnitPixel,
                                             PlayRecord)),
    OP(EnumerateMetafileSrcRectDestPointI,
       f.g.EnumerateMetafileSrcRectDestPointI(f.metafile, Point(0, 0), kBoxI, UnitPixel,
                                              PlayRecord)),
    OP(EnumerateMetafileSrcRectDestPoints,
       f.g.EnumerateMetafileSrcRectDestPoints(f.metafile, Corners(), kBox, UnitPixel, PlayRecord)),
    OP(EnumerateMetafileSrcRectDestPointsI,
       f.g.EnumerateMetafileSrcRectDestPointsI(f.metafile, CornersI(), kBoxI, UnitPixel,
                                               PlayRecord)),
    OP(EnumerateMetafileSrcRectDestRect,
       f.g.EnumerateMetafileSrcRectDestRect(f.metafile, kBox, kBox, UnitPixel, PlayRecord)),
    OP(EnumerateMetafileSrcRectDestRectI,
       f.g.EnumerateMetafileSrcRectDestRectI(f.metafile, kBoxI, kBoxI, UnitPixel, PlayRecord)),
    OP(SetClipGraphics, f.g.SetClipGraphics(f.g)),
    OP(SetClipPath, f.g.SetClipPath(f.path)),
    OP(SetClipRect, f.g.SetClipRect(1, 1, 10, 10)),
    OP(SetClipRectI, f.g.SetClipRectI(1, 1, 10, 10)),
    OP(SetClipRegion, f.g.SetClipRegion(f.region)),
    OP(SetClipHrgn, platform::UniqueRegion r(::CreateRectRgn(0, 0, 5, 5));
       f.g.SetClipHrgn(r.get())),
    OP(ResetClip, f.g.ResetClip()),
    OP(TranslateClip, f.g.TranslateClip(1, 1)),
    OP(TranslateClipI, f.g.TranslateClipI(1, 1)),
    OP(GetClip, f.g.GetClip()),
    OP(GetClipBounds, f.g.GetClipBounds()),
    OP(GetClipBoundsI, f.g.GetClipBoundsI()),
    OP(GetVisibleClipBounds, f.g.GetVisibleClipBounds()),
    OP(GetVisibleClipBoundsI, f.g.GetVisibleClipBoundsI()),
    OP(IsClipEmpty, bool b; f.g.IsClipEmpty(b)),
    OP(IsVisibleClipEmpty, bool b; f.g.IsVisibleClipEmpty(b)),
    OP(IsVisiblePoint, bool b; f.g.IsVisiblePoint(1, 1, b)),
    OP(IsVisiblePointI, bool b; f.g.IsVisiblePointI(1, 1, b)),
    OP(IsVisibleRect, bool b; f.g.IsVisibleRect(1, 1, 2, 2, b)),
    OP(IsVisibleRectI, bool b; f.g.IsVisibleRectI(1, 1, 2, 2, b)),
    OP(SaveGraphics, GraphicsState s = 0; f.g.SaveGraphics(s)),
    OP(RestoreGraphics, GraphicsState s = 0; f.g.SaveGraphics(s); f.g.RestoreGraphics(s)),
    OP(BeginContainer, GraphicsContainer c = 0; f.g.BeginContainer(kBox, kBox, UnitPixel, c)),
    OP(BeginContainerI, GraphicsContainer c = 0; f.g.BeginContainerI(kBoxI, kBoxI, UnitPixel, c)),
    OP(BeginContainer2, GraphicsContainer c = 0; f.g.BeginContainer2(c)),
    OP(EndContainer, GraphicsContainer c = 0; f.g.BeginContainer2(c); f.g.EndContainer(c)),
    OP(Comment, f.g.Comment({1, 2, 3})),
    // Path
    OP(DeletePath, f.path.DeletePath()),
    OP(CreatePath, f.path.CreatePath()),
    OP(CreatePath2, f.path.CreatePath2(Pts(), {0, 1, 1, 0x81})),
    OP(CreatePath2I, f.path.CreatePath2I(PtsI(), {0, 1, 1, 0x81})),
    OP(ClonePath, graphics::Path copy; f.path.ClonePath(copy)),
    OP(ResetPath, f.path.ResetPath()),
    OP(GetPathFillMode, f.path.GetPathFillMode()),
    OP(SetPathFillMode, f.path.SetPathFillMode(FillModeWinding)),
    OP(GetPathData, f.path.GetPathData()),
    OP(GetPathTypes, f.path.GetPathTypes()),
    OP(GetPathPoints, f.path.GetPathPoints()),
    OP(GetPathPointsI, f.path.GetPathPointsI()),
    OP(StartPathFigure, f.path.StartPathFigure()),
    OP(ClosePathFigure, f.path.ClosePathFigure()),
    OP(ClosePathFigures, f.path.ClosePathFigures()),
    OP(SetPathMarker, f.path.SetPathMarker()),
    OP(ClearPathMarkers, f.path.ClearPathMarkers()),
    OP(ReversePath, f.path.ReversePath()),
    OP(GetPathLastPoint, f.path.GetPathLastPoint()),
    OP(AddPathLine, f.path.AddPathLine(0, 0, 5, 5)),
    OP(AddPathLineI, f.path.AddPathLineI(0, 0, 5, 5)),
    OP(AddPathLine2, f.path.AddPathLine2(Pts())),
    OP(AddPathLine2I, f.path.AddPathLine2I(PtsI())),
    OP(AddPathArc, f.path.AddPathArc(0, 0, 10, 10, 0, 90)),
    OP(AddPathArcI, f.path.AddPathArcI(0, 0, 10, 10, 0, 90)),
    OP(AddPathBezier, f.path.AddPathBezier(0, 0, 5, 10, 10, 5, 20, 20)),
    OP(AddPathBezierI, f.path.AddPathBezierI(0, 0, 5, 10, 10, 5, 20, 20)),
    OP(AddPathBeziers, f.path.AddPathBeziers(Pts())),
    OP(AddPathBeziersI, f.path.AddPathBeziersI(PtsI())),
    OP(AddPathCurve, f.path.AddPathCurve(Pts())),
    OP(AddPathCurve2, f.path.AddPathCurve2(Pts(), 0.5f)),
    OP(AddPathCurve3, f.path.AddPathCurve3(Pts(), 0, 2, 0.5f)),
    OP(AddPathCurveI, f.path.AddPathCurveI(PtsI())),
    OP(AddPathCurve2I, f.path.AddPathCurve2I(PtsI(), 0.5f)),
    OP(AddPathCurve3I, f.path.AddPathCurve3I(PtsI(), 0, 2, 0.5f)),
    OP(AddPathClosedCurve, f.path.AddPathClosedCurve(Pts())),
    OP(AddPathClosedCurve2, f.path.AddPathClosedCurve2(Pts(), 0.5f)),
    OP(AddPathClosedCurveI, f.path.AddPathClosedCurveI(PtsI())),
    OP(AddPathClosedCurve2I, f.path.AddPathClosedCurve2I(PtsI(), 0.5f)),
    OP(AddPathRectangle, f.path.AddPathRectangle(1, 1, 5, 5)),
    OP(AddPathRectangles, f.path.AddPathRectangles({RectF(1, 1, 5, 5)})),
    OP(AddPathRectangleI, f.path.AddPathRectangleI(1, 1, 5, 5)),
    OP(AddPathRectanglesI, f.path.AddPathRectanglesI({Rect(1, 1, 5, 5)})),
    OP(AddPathEllipse, f.path.AddPathEllipse(1, 1, 5, 5)),
    OP(AddPathEllipseI, f.path.AddPathEllipseI(1, 1, 5, 5)),
    OP(AddPathPie, f.path.AddPathPie(1, 1, 10, 10, 0, 90)),
    OP(AddPathPieI, f.path.AddPathPieI(1, 1, 10, 10, 0, 90)),
    OP(AddPathPolygon, f.path.AddPathPolygon(Pts())),
    OP(AddPathPolygonI, f.path.AddPathPolygonI(PtsI())),
    OP(AddPathPath, graphics::Path other; other.CreatePath(); other.AddPathLine(0, 0, 3, 3);
       f.path.AddPathPath(other, true)),
    OP(AddPathString, f.path.AddPathString("ab", f.family, 0, 10, kBox, &f.format)),
    OP(AddPathStringI, f.path.AddPathStringI("ab", f.family, 0, 10, kBoxI, &f.format)),
    OP(TransformPath, f.path.TransformPath(kIdentityMatrix)),
    OP(GetPathWorldBounds, f.path.GetPathWorldBounds()),
    OP(GetPathWorldBoundsI, f.path.GetPathWorldBoundsI()),
    OP(FlattenPath, f.path.FlattenPath()),
    OP(WidenPath, f.path.WidenPath(f.pen)),
    OP(WindingModeOutline, f.path.WindingModeOutline()),
    OP(WarpPath, f.path.WarpPath(nullptr, Pts(), RectF(0, 0, 20, 20))),
    OP(GetPointCount, f.path.GetPointCount()),
    OP(IsVisiblePathPoint, bool b; f.path.IsVisiblePathPoint(5, 5, &f.g, b)),
    OP(IsVisiblePathPointI, bool b; f.path.IsVisiblePathPointI(5, 5, &f.g, b)),
    OP(IsOutlineVisiblePathPoint, bool b; f.path.IsOutlineVisiblePathPoint(2, 2, f.pen, &f.g, b)),
    OP(IsOutlineVisiblePathPointI, bool b; f.path.IsOutlineVisiblePathPointI(2, 2, f.pen, &f.g, b)),
    // Brush and its three kinds
    OP(DeleteBrush, f.solid.DeleteBrush()),
    OP(CloneBrush, graphics::SolidFill copy; f.solid.CloneBrush(copy)),
    OP(GetBrushType, f.solid.GetBrushType()),
    OP(CreateSolidFill, f.solid.CreateSolidFill(0xFF00FF00)),
    OP(SetSolidFillColor, f.solid.SetSolidFillColor(0xFF0000FF)),
    OP(GetSolidFillColor, f.solid.GetSolidFillColor()),
    OP(CreateLineBrush,
       f.line.CreateLineBrush(PointF(0, 0), PointF(10, 0), 0xFF000000, 0xFFFFFFFF)),
    OP(CreateLineBrushI,
       f.line.CreateLineBrushI(Point(0, 0), Point(10, 0), 0xFF000000, 0xFFFFFFFF)),
    OP(CreateLineBrushFromRect,
       f.line.CreateLineBrushFromRect(kBox, 0xFF000000, 0xFFFFFFFF, LinearGradientModeHorizontal)),
    OP(CreateLineBrushFromRectI,
       f.line.CreateLineBrushFromRectI(kBoxI, 0xFF000000, 0xFFFFFFFF, LinearGradientModeVertical)),
    OP(CreateLineBrushFromRectWithAngle,
       f.line.CreateLineBrushFromRectWithAngle(kBox, 0xFF000000, 0xFFFFFFFF, 45, true)),
    OP(CreateLineBrushFromRectWithAngleI,
       f.line.CreateLineBrushFromRectWithAngleI(kBoxI, 0xFF000000, 0xFFFFFFFF, 45, true)),
    OP(GetLineColors, f.line.GetLineColors()),
    OP(SetLineColors, f.line.SetLineColors(0xFF111111, 0xFF222222)),
    OP(GetLineRect, f.line.GetLineRect()),
    OP(GetLineRectI, f.line.GetLineRectI()),
    OP(SetLineGammaCorrection, f.line.SetLineGammaCorrection(true)),
    OP(GetLineGammaCorrection, f.line.GetLineGammaCorrection()),
    OP(SetLineBlend, f.line.SetLineBlend({0, 1}, {0, 1})),
    OP(GetLineBlendCount, f.line.GetLineBlendCount()),
    OP(GetLineBlend, f.line.SetLineBlend({0, 1}, {0, 1}); f.line.GetLineBlend()),
    OP(SetLinePresetBlend, f.line.SetLinePresetBlend({0xFF000000, 0xFFFFFFFF}, {0, 1})),
    OP(GetLinePresetBlendCount, f.line.GetLinePresetBlendCount()),
    OP(GetLinePresetBlend, f.line.SetLinePresetBlend({0xFF000000, 0xFFFFFFFF}, {0, 1});
       f.line.GetLinePresetBlend()),
    OP(SetLineSigmaBlend, f.line.SetLineSigmaBlend(0.5f, 1)),
    OP(SetLineLinearBlend, f.line.SetLineLinearBlend(0.5f, 1)),
    OP(GetLineWrapMode, f.line.GetLineWrapMode()),
    OP(SetLineWrapMode, f.line.SetLineWrapMode(WrapModeTileFlipX)),
    OP(GetLineTransform, f.line.GetLineTransform()),
    OP(SetLineTransform, f.line.SetLineTransform(kIdentityMatrix)),
    OP(ResetLineTransform, f.line.ResetLineTransform()),
    OP(MultiplyLineTransform, f.line.MultiplyLineTransform(kIdentityMatrix)),
    OP(TranslateLineTransform, f.line.TranslateLineTransform(1, 1)),
    OP(ScaleLineTransform, f.line.ScaleLineTransform(2, 2)),
    OP(RotateLineTransform, f.line.RotateLineTransform(30)),
    OP(CreatePathGradient, f.gradient.CreatePathGradient(Pts())),
    OP(CreatePathGradientI, f.gradient.CreatePathGradientI(PtsI())),
    OP(CreatePathGradientFromPath, f.gradient.CreatePathGradientFromPath(f.path)),
    OP(GetPathGradientCenterColor, f.gradient.GetPathGradientCenterColor()),
    OP(SetPathGradientCenterColor, f.gradient.SetPathGradientCenterColor(0xFF00FF00)),
    OP(GetPathGradientPointCount, f.gradient.GetPathGradientPointCount()),
    OP(GetPathGradientSurroundColorCount, f.gradient.GetPathGradientSurroundColorCount()),
    OP(GetPathGradientSurroundColorsWithCount, f.gradient.GetPathGradientSurroundColorsWithCount()),
    OP(SetPathGradientSurroundColorsWithCount,
       f.gradient.SetPathGradientSurroundColorsWithCount({0xFF0000FF})),
    OP(GetPathGradientPath, f.gradient.GetPathGradientPath()),
    OP(SetPathGradientPath, f.gradient.SetPathGradientPath(f.path)),
    OP(GetPathGradientCenterPoint, f.gradient.GetPathGradientCenterPoint()),
    OP(GetPathGradientCenterPointI, f.gradient.GetPathGradientCenterPointI()),
    OP(SetPathGradientCenterPoint, f.gradient.SetPathGradientCenterPoint(PointF(5, 5))),
    OP(GetPathGradientRect, f.gradient.GetPathGradientRect()),
    OP(GetPathGradientRectI, f.gradient.GetPathGradientRectI()),
    OP(SetPathGradientGammaCorrection, f.gradient.SetPathGradientGammaCorrection(true)),
    OP(GetPathGradientGammaCorrection, f.gradient.GetPathGradientGammaCorrection()),
    OP(GetPathGradientBlendCount, f.gradient.GetPathGradientBlendCount()),
    OP(SetPathGradientBlend, f.gradient.SetPathGradientBlend({0, 1}, {0, 1})),
    OP(GetPathGradientBlend, f.gradient.SetPathGradientBlend({0, 1}, {0, 1});
       f.gradient.GetPathGradientBlend()),
    OP(GetPathGradientPresetBlendCount, f.gradient.GetPathGradientPresetBlendCount()),
    OP(SetPathGradientPresetBlend,
       f.gradient.SetPathGradientPresetBlend({0xFF000000, 0xFFFFFFFF}, {0, 1})),
    OP(GetPathGradientPresetBlend,
       f.gradient.SetPathGradientPresetBlend({0xFF000000, 0xFFFFFFFF}, {0, 1});
       f.gradient.GetPathGradientPresetBlend()),
    OP(SetPathGradientSigmaBlend, f.gradient.SetPathGradientSigmaBlend(0.5f, 1)),
    OP(SetPathGradientLinearBlend, f.gradient.SetPathGradientLinearBlend(0.5f, 1)),
    OP(GetPathGradientFocusScales, f.gradient.GetPathGradientFocusScales()),
    OP(SetPathGradientFocusScales, f.gradient.SetPathGradientFocusScales(0.5f, 0.5f)),
    OP(GetPathGradientWrapMode, f.gradient.GetPathGradientWrapMode()),
    OP(SetPathGradientWrapMode, f.gradient.SetPathGradientWrapMode(WrapModeTile)),
    OP(GetPathGradientTransform, f.gradient.GetPathGradientTransform()),
    OP(SetPathGradientTransform, f.gradient.SetPathGradientTransform(kIdentityMatrix)),
    OP(ResetPathGradientTransform, f.gradient.ResetPathGradientTransform()),
    OP(MultiplyPathGradientTransform, f.gradient.MultiplyPathGradientTransform(kIdentityMatrix)),
    OP(TranslatePathGradientTransform, f.gradient.TranslatePathGradientTransform(1, 1)),
    OP(ScalePathGradientTransform, f.gradient.ScalePathGradientTransform(2, 2)),
    OP(RotatePathGradientTransform, f.gradient.RotatePathGradientTransform(30)),
    // Pen
    OP(DeletePen, f.pen.DeletePen()),
    OP(CreatePen1, f.pen.CreatePen1(0xFF000000, 2)),
    OP(CreatePen2, f.pen.CreatePen2(f.solid, 2)),
    OP(ClonePen, Pen copy; f.pen.ClonePen(copy)),
    OP(GetPenWidth, f.pen.GetPenWidth()),
    OP(SetPenWidth, f.pen.SetPenWidth(2)),
    OP(GetPenUnit, f.pen.GetPenUnit()),
    OP(SetPenUnit, f.pen.SetPenUnit(UnitPixel)),
    OP(SetPenLineCap197819, f.pen.SetPenLineCap197819(LineCapRound, LineCapSquare, DashCapRound)),
    OP(SetPenStartCap, f.pen.SetPenStartCap(LineCapRound)),
    OP(SetPenEndCap, f.pen.SetPenEndCap(LineCapRound)),
    OP(SetPenDashCap197819, f.pen.SetPenDashCap197819(DashCapRound)),
    OP(GetPenStartCap, f.pen.GetPenStartCap()),
    OP(GetPenEndCap, f.pen.GetPenEndCap()),
    OP(GetPenDashCap197819, f.pen.GetPenDashCap197819()),
    OP(SetPenLineJoin, f.pen.SetPenLineJoin(LineJoinRound)),
    OP(GetPenLineJoin, f.pen.GetPenLineJoin()),
    OP(SetPenCustomStartCap, ArrowCap cap; f.pen.SetPenCustomStartCap(cap.cap)),
    OP(GetPenCustomStartCap, ArrowCap cap; f.pen.SetPenCustomStartCap(cap.cap);
       DeleteCap(f.pen.GetPenCustomStartCap())),
    OP(SetPenCustomEndCap, ArrowCap cap; f.pen.SetPenCustomEndCap(cap.cap)),
    OP(GetPenCustomEndCap, ArrowCap cap; f.pen.SetPenCustomEndCap(cap.cap);
       DeleteCap(f.pen.GetPenCustomEndCap())),
    OP(SetPenMiterLimit, f.pen.SetPenMiterLimit(5)),
    OP(GetPenMiterLimit, f.pen.GetPenMiterLimit()),
    OP(SetPenMode, f.pen.SetPenMode(PenAlignmentInset)),
    OP(GetPenMode, f.pen.GetPenMode()),
    OP(SetPenTransform, f.pen.SetPenTransform(kIdentityMatrix)),
    OP(GetPenTransform, f.pen.GetPenTransform()),
    OP(ResetPenTransform, f.pen.ResetPenTransform()),
    OP(MultiplyPenTransform, f.pen.MultiplyPenTransform(kIdentityMatrix)),
    OP(RotatePenTransform, f.pen.RotatePenTransform(30)),
    OP(ScalePenTransform, f.pen.ScalePenTransform(2, 2)),
    OP(TranslatePenTransform, f.pen.TranslatePenTransform(1, 1)),
    OP(GetPenColor, f.pen.GetPenColor()),
    OP(SetPenColor, f.pen.SetPenColor(0xFF00FF00)),
    OP(SetPenBrushFill, f.pen.SetPenBrushFill(f.solid)),
    OP(GetPenBrushFill, f.pen.GetPenBrushFill()),
    OP(GetPenFillType, f.pen.GetPenFillType()),
    OP(SetPenDashStyle, f.pen.SetPenDashStyle(DashStyleDash)),
    OP(GetPenDashStyle, f.pen.GetPenDashStyle()),
    OP(GetPenDashOffset, f.pen.GetPenDashOffset()),
    OP(SetPenDashOffset, f.pen.SetPenDashOffset(1)),
    OP(GetPenDashArray, f.pen.SetPenDashArray({2, 1}); f.pen.GetPenDashArray()),
    OP(SetPenDashArray, f.pen.SetPenDashArray({2, 1})),
    OP(SetPenCompoundArray, f.pen.SetPenCompoundArray({0, 0.4f, 0.6f, 1})),
    OP(GetPenCompoundArray, f.pen.SetPenCompoundArray({0, 0.4f, 0.6f, 1});
       f.pen.GetPenCompoundArray()),
    // Text
    OP(DeleteFont, f.font.DeleteFont()),
    OP(CreateFont, f.font.CreateFont(f.family, 10)),
    OP(CreateFontFromDC, f.font.CreateFontFromDC(f.dc.get())),
    OP(CreateFontFromLogfontA, LOGFONTA lf{}; lf.lfHeight = -12; lstrcpyA(lf.lfFaceName, "Tahoma");
       f.font.CreateFontFromLogfontA(f.dc.get(), lf)),
    OP(CreateFontFromLogfontW, LOGFONTW lf{}; lf.lfHeight = -12; lstrcpyW(lf.lfFaceName, L"Tahoma");
       f.font.CreateFontFromLogfontW(f.dc.get(), lf)),
    OP(CloneFont, Font copy; f.font.CloneFont(copy)),
    OP(GetLogFontA, f.font.GetLogFontA(f.g)),
    OP(GetLogFontW, f.font.GetLogFontW(f.g)),
    OP(GetFamily, f.font.GetFamily()),
    OP(GetFontStyle, f.font.GetFontStyle()),
    OP(GetFontSize, f.font.GetFontSize()),
    OP(GetFontUnit, f.font.GetFontUnit()),
    OP(GetFontHeight, f.font.GetFontHeight(f.g)),
    OP(GetFontHeightGivenDPI, f.font.GetFontHeightGivenDPI(96)),
    OP(DeleteFontFamily, f.family.DeleteFontFamily()),
    OP(CreateFontFamilyFromName, f.family.CreateFontFamilyFromName("宋体")),
    OP(GetGenericFontFamilySansSerif, f.family.GetGenericFontFamilySansSerif()),
    OP(GetGenericFontFamilySerif, f.family.GetGenericFontFamilySerif()),
    OP(GetGenericFontFamilyMonospace, f.family.GetGenericFontFamilyMonospace()),
    OP(CloneFontFamily, FontFamily copy; f.family.CloneFontFamily(copy)),
    OP(GetFamilyName, f.family.GetFamilyName()),
    OP(IsStyleAvailable, bool b; f.family.IsStyleAvailable(FontStyleBold, b)),
    OP(GetEmHeight, f.family.GetEmHeight(0)),
    OP(GetCellAscent, f.family.GetCellAscent(0)),
    OP(GetCellDescent, f.family.GetCellDescent(0)),
    OP(GetLineSpacing, f.family.GetLineSpacing(0)),
    OP(GetFontCollectionFamilyCount, f.collection.GetFontCollectionFamilyCount()),
    OP(GetFontCollectionFamilyList, f.collection.GetFontCollectionFamilyList()),
    OP(DeleteStringFormat, f.format.DeleteStringFormat()),
    OP(CreateStringFormat, f.format.CreateStringFormat()),
    OP(StringFormatGetGenericDefault, f.format.StringFormatGetGenericDefault()),
    OP(StringFormatGetGenericTypographic, f.format.StringFormatGetGenericTypographic()),
    OP(CloneStringFormat, StringFormat copy; f.format.CloneStringFormat(copy)),
    OP(SetStringFormatFlags, f.format.SetStringFormatFlags(StringFormatFlagsNoWrap)),
    OP(GetStringFormatFlags, f.format.GetStringFormatFlags()),
    OP(SetStringFormatAlign, f.format.SetStringFormatAlign(StringAlignmentCenter)),
    OP(GetStringFormatAlign, f.format.GetStringFormatAlign()),
    OP(SetStringFormatLineAlign, f.format.SetStringFormatLineAlign(StringAlignmentFar)),
    OP(GetStringFormatLineAlign, f.format.GetStringFormatLineAlign()),
    OP(SetStringFormatTrimming, f.format.SetStringFormatTrimming(StringTrimmingWord)),
    OP(GetStringFormatTrimming, f.format.GetStringFormatTrimming()),
    OP(SetStringFormatHotkeyPrefix, f.format.SetStringFormatHotkeyPrefix(HotkeyPrefixShow)),
    OP(GetStringFormatHotkeyPrefix, f.format.GetStringFormatHotkeyPrefix()),
    OP(SetStringFormatTabStops, f.format.SetStringFormatTabStops(0, {10, 20})),
    OP(GetStringFormatTabStops, f.format.SetStringFormatTabStops(0, {10, 20});
       f.format.GetStringFormatTabStops()),
    OP(SetStringFormatDigitSubstitution,
       f.format.SetStringFormatDigitSubstitution(0, StringDigitSubstituteNone)),
    OP(GetStringFormatDigitSubstitution, f.format.GetStringFormatDigitSubstitution()),
    OP(SetStringFormatMeasurableCharacterRanges,
       f.format.SetStringFormatMeasurableCharacterRanges({CharacterRange(0, 1)})),
    OP(GetStringFormatMeasurableCharacterRangeCount,
       f.format.GetStringFormatMeasurableCharacterRangeCount()),
    // Image
    OP(DisposeImage, f.image.DisposeImage()),
    OP(LoadImageFromFile, f.image.LoadImageFromFile(graphics_test::FixtureFile())),
    OP(LoadImageFromFileICM, f.image.LoadImageFromFile(graphics_test::FixtureFile(), true)),
    OP(LoadImageFromStream, f.image.LoadImageFromStream(graphics_test::FixturePng())),
    OP(LoadImageFromStreamICM, f.image.LoadImageFromStream(graphics_test::FixturePng(), true)),
    OP(CloneImage, Image copy; f.image.CloneImage(copy)),
    OP(SaveImageToFile, f.image.SaveToFile("completeness.bmp")),
    OP(SaveImageToStream, f.image.SaveToStream(std::string(kImageFormatPng))),
    OP(SaveAdd, f.image.SaveAdd(SaveFlag())),
    OP(SaveAddImage, f.image.SaveAddImage(f.other, SaveFlag())),
    OP(GetImageType, f.image.GetImageType()),
    OP(GetImageDimension, f.image.GetImageDimension()),
    OP(GetImageBounds, f.image.GetImageBounds()),
    OP(GetImageWidth, f.image.GetImageWidth()),
    OP(GetImageHeight, f.image.GetImageHeight()),
    OP(GetImageHorizontalResolution, f.image.GetImageHorizontalResolution()),
    OP(GetImageVerticalResolution, f.image.GetImageVerticalResolution()),
    OP(GetImageFlags, f.image.GetImageFlags()),
    OP(GetImageRawFormat, f.image.GetRawFormat()),
    OP(GetImagePixelFormat, f.image.GetImagePixelFormat()),
    OP(GetImagePalette, PaletteInfo p; f.image.GetPalette(p)),
    OP(SetImagePalette, f.image.SetPalette(PaletteInfo{0, 2, {0xFF000000, 0xFFFFFFFF}})),
    OP(GetImageThumbnail, f.image.GetImageThumbnail(4, 4)),
    OP(ImageGetFrameCount, f.image.GetFrameCount(kFrameDimensionPage)),
    OP(ImageGetFrameDimensionsList, std::vector<std::string> d; f.image.GetFrameDimensions(d)),
    OP(ImageSelectActiveFrame, f.image.SelectActiveFrame(kFrameDimensionPage, 0)),
    OP(ImageRotateFlip, f.image.ImageRotateFlip(Rotate90FlipNone)),
    OP(GetPropertyItem, PropertyItem item; f.animation.GetPropertyItem(kPropertyFrameDelay, item)),
    OP(SetPropertyItem, f.image.SetPropertyItem(Property())),
    OP(RemovePropertyItem, f.animation.RemovePropertyItem(kPropertyFrameDelay)),
    OP(GetPropertyIdList, f.animation.GetPropertyIdList()),
    // Bitmap
    OP(CreateBitmapFromFile, f.bitmap.CreateBitmapFromFile(graphics_test::FixtureFile())),
    OP(CreateBitmapFromFileICM, f.bitmap.CreateBitmapFromFile(graphics_test::FixtureFile(), true)),
    OP(CreateBitmapFromStream, f.bitmap.CreateBitmapFromStream(graphics_test::FixturePng())),
    OP(CreateBitmapFromStreamICM,
       f.bitmap.CreateBitmapFromStream(graphics_test::FixturePng(), true)),
    OP(CreateBitmapFromScan0,
       f.bitmap.CreateBitmapFromScan0(4, 4, 0, PixelFormat24bppRGB, nullptr)),
    OP(CreateBitmapFromGraphics, f.bitmap.CreateBitmapFromGraphics(4, 4, f.g)),
    OP(CreateBitmapFromGdiDib, BITMAPINFO info{}; info.bmiHeader.biSize = sizeof info.bmiHeader;
       info.bmiHeader.biWidth = 2; info.bmiHeader.biHeight = 2; info.bmiHeader.biPlanes = 1;
       info.bmiHeader.biBitCount = 32; uint32_t bits[4] = {};
       f.bitmap.CreateBitmapFromGdiDib(&info, bits)),
    OP(CreateBitmapFromHBITMAP, platform::UniqueBitmap b(::CreateBitmap(4, 4, 1, 32, nullptr));
       f.bitmap.CreateBitmapFromHBITMAP(b.get())),
    OP(CreateBitmapFromHICON,
       f.bitmap.CreateBitmapFromHICON(::LoadIconA(nullptr, IDI_APPLICATION))),
    OP(CreateBitmapFromResource,
       f.bitmap.CreateBitmapFromResource(::GetModuleHandleA(nullptr), L"NO_SUCH_BITMAP")),
    OP(CreateHBITMAPFromBitmap, platform::UniqueBitmap b;
       f.bitmap.CreateHBITMAPFromBitmap(b, 0xFF000000)),
    OP(CreateHICONFromBitmap, platform::UniqueIcon i; f.bitmap.CreateHICONFromBitmap(i)),
    OP(CloneBitmapArea, Bitmap copy;
       f.bitmap.CloneBitmapArea(0, 0, 4, 4, PixelFormat32bppARGB, copy)),
    OP(CloneBitmapAreaI, Bitmap copy;
       f.bitmap.CloneBitmapAreaI(0, 0, 4, 4, PixelFormat32bppARGB, copy)),
    OP(BitmapLockBits, BitmapData data{};
       if (f.bitmap.BitmapLockBits(nullptr, ImageLockModeRead, PixelFormat32bppARGB, data))
           f.bitmap.BitmapUnlockBits(data)),
    OP(BitmapUnlockBits, BitmapData data{};
       f.bitmap.BitmapLockBits(nullptr, ImageLockModeRead, PixelFormat32bppARGB, data);
       f.bitmap.BitmapUnlockBits(data)),
    OP(BitmapGetPixel, ARGB c; f.bitmap.BitmapGetPixel(1, 1, c)),
    OP(BitmapSetPixel, f.bitmap.BitmapSetPixel(1, 1, 0xFF00FF00)),
    OP(BitmapSetResolution, f.bitmap.BitmapSetResolution(72, 72)),
    OP(BitmapApplyEffect, f.bitmap.BitmapApplyEffect(nullptr)),
    // Region
    OP(DeleteRegion, f.region.DeleteRegion()),
    OP(CreateRegion, f.region.CreateRegion()),
    OP(CreateRegionRect, f.region.CreateRegionRect(kBox)),
    OP(CreateRegionRectI, f.region.CreateRegionRectI(kBoxI)),
    OP(CreateRegionPath, Region r; r.CreateRegionPath(f.path)),
    OP(CreateRegionHrgn, platform::UniqueRegion h(::CreateRectRgn(0, 0, 5, 5));
       f.region.CreateRegionHrgn(h.get())),
    OP(CreateRegionRgnData, auto data = f.region.GetRegionData(); Region r;
       r.CreateRegionRgnData(data)),
    OP(CloneRegion, Region copy; f.region.CloneRegion(copy)),
    OP(SetInfinite, f.region.SetInfinite()),
    OP(SetEmpty, f.region.SetEmpty()),
    OP(CombineRegionRect, f.region.CombineRegionRect(RectF(5, 5, 5, 5), CombineModeUnion)),
    OP(CombineRegionRectI, f.region.CombineRegionRectI(Rect(5, 5, 5, 5), CombineModeXor)),
    OP(CombineRegionRegion, Region r; r.CreateRegion();
       f.region.CombineRegionRegion(r, CombineModeIntersect)),
    OP(CombineRegionPath, f.region.CombineRegionPath(f.path, CombineModeExclude)),
    OP(TranslateRegion, f.region.TranslateRegion(1, 1)),
    OP(TranslateRegionI, f.region.TranslateRegionI(1, 1)),
    OP(TransformRegion, f.region.TransformRegion(kIdentityMatrix)),
    OP(GetRegionBounds, f.region.GetRegionBounds(f.g)),
    OP(GetRegionBoundsI, f.region.GetRegionBoundsI(f.g)),
    OP(GetRegionDataSize, f.region.GetRegionDataSize()),
    OP(GetRegionData, f.region.GetRegionData()),
    OP(GetRegionHRgn, f.region.GetRegionHRgn(f.g)),
    OP(IsEmptyRegion, bool b; f.region.IsEmptyRegion(f.g, b)),
    OP(IsInfiniteRegion, bool b; f.region.IsInfiniteRegion(f.g, b)),
    OP(IsEqualRegion, bool b; Region r; r.CreateRegion(); f.region.IsEqualRegion(r, f.g, b)),
    OP(IsVisibleRegionPoint, bool b; f.region.IsVisibleRegionPoint(5, 5, &f.g, b)),
    OP(IsVisibleRegionPointI, bool b; f.region.IsVisibleRegionPointI(5, 5, &f.g, b)),
    OP(IsVisibleRegionRect, bool b; f.region.IsVisibleRegionRect(5, 5, 2, 2, &f.g, b)),
    OP(IsVisibleRegionRectI, bool b; f.region.IsVisibleRegionRectI(5, 5, 2, 2, &f.g, b)),
    OP(GetRegionScansCount, f.region.GetRegionScansCount()),
    OP(GetRegionScans, f.region.GetRegionScans()),
    OP(GetRegionScansI, f.region.GetRegionScansI()),
  };
  return operations;
}

#undef OP

std::vector<std::string> Split(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

TEST(Completeness, EveryNamedFunctionHasAnOperation) {
  std::set<std::string> covered;
  for (const Operation& op : Operations()) {
    EXPECT_TRUE(covered.insert(op.function).second) << "listed twice: " << op.function;
  }
  std::set<std::string> named;
  for (const auto& [cls, functions] : kClassFunctions) {
    for (const std::string& function : Split(functions)) {
      named.insert(function);
      EXPECT_TRUE(covered.count(function)) << cls << ": no operation for Gdip" << function;
    }
  }
  for (const std::string& function : covered) {
    EXPECT_TRUE(named.count(function)) << "operation for an unlisted function: " << function;
  }
}

// GDI+ functions Wine 8 does not implement: it answers NotImplemented, and the
// wrappers pass that on. Each is a known Wine gap; on Windows they succeed.
const std::set<std::string> kWineNotImplemented = {
    "Comment",              // no metafile comments
    "WindingModeOutline",   // no outline computation
    "WarpPath",             // no path warping
    "RotateLineTransform",  // linear-gradient transforms only translate and scale
    "GetPathGradientPath",  // the boundary path is not kept
    "SetPathGradientPath",
    "RemovePropertyItem",  // property items are read-only
    "BitmapApplyEffect",   // no effects at all
};

// Functions Wine 8's gdiplus.dll exports only as stubs that end the process:
// the wrappers answer NotImplemented without calling them.
const std::set<std::string> kWineStubs = {
    "EnumerateMetafileDestPoints",         "EnumerateMetafileDestPointsI",
    "EnumerateMetafileSrcRectDestPoint",   "EnumerateMetafileSrcRectDestPointI",
    "EnumerateMetafileSrcRectDestPointsI", "SetPenUnit",
};

// On valid objects every operation reaches the flat function it stands for
// (seen in the program's calls into gdiplus.dll) and succeeds, but for the
// known exceptions listed here.
TEST(Completeness, EveryOperationReachesItsFunctionAndSucceeds) {
  const bool wine = graphics_test::RunningUnderWine();
  graphics_test::ImportRecorder recorder("gdiplus.dll");
  // Calls can be recorded in 32-bit x86 builds only; elsewhere the statuses
  // are still checked.
  for (const Operation& op : Operations()) {
    const std::string name = op.function;
    const std::string function = "Gdip" + name;
    Fixture f(true);
    detail::Record(Ok);
    recorder.Clear();
    const Status status = op.call(f);
    if (recorder.installed() && !kLookedUp.count(name)) {
      EXPECT_TRUE(recorder.Imported(function)) << function << " is never called";
      if (detail::IsStubbedOut(function.c_str())) {
        // Known Wine gap: its gdiplus.dll has only a stub that ends the
        // process, so the wrapper answers NotImplemented without calling it.
        EXPECT_FALSE(recorder.Called(function)) << function;
      } else {
        EXPECT_TRUE(recorder.Called(function)) << function << " not reached";
      }
    }
    if (kWineNotImplemented.count(name) || kWineStubs.count(name)) {
      if (wine) {
        EXPECT_EQ(status, NotImplemented) << name << ": Wine gap (see README)";
        continue;
      }
      if (name == "BitmapApplyEffect") {
        EXPECT_EQ(status, InvalidParameter) << name << " with no effect";
        continue;
      }
    }
    if (name == "SaveAdd" || name == "SaveAddImage") {
      // Adding a frame needs a multi-frame save under way.
      EXPECT_NE(status, Ok) << name;
    } else if (name == "CreateBitmapFromResource") {
      EXPECT_NE(status, Ok) << "the test program has no such bitmap resource";
    } else if (name.rfind("GetGenericFontFamily", 0) == 0) {
      // Generic families are the Microsoft fonts, which a bare Wine lacks.
      EXPECT_TRUE(status == Ok || (wine && status == FontFamilyNotFound)) << name << " " << status;
    } else {
      EXPECT_EQ(status, Ok) << name;
    }
  }
}

// Names of operations that make (or dispose of) their object's native one and
// so need no native object to start with.
bool MakesOrDisposes(const std::string& name) {
  for (const char* prefix :
       {"Create", "Load", "Delete", "Dispose", "StringFormatGetGeneric", "GetGenericFontFamily"}) {
    if (name.rfind(prefix, 0) == 0) return true;
  }
  return false;
}

TEST(Completeness, OperationsOnEmptyObjectsFailWithoutCrashing) {
  const long live = LiveNativeObjects();
  for (const Operation& op : Operations()) {
    Fixture f(false);
    detail::Record(Ok);
    const Status status = op.call(f);
    if (!MakesOrDisposes(op.function)) {
      EXPECT_NE(status, Ok) << op.function;
    }
  }
  EXPECT_EQ(LiveNativeObjects(), live);
}

// Each operation again with every object valid but one: none may crash
// whichever argument holds nothing. The objects are made afresh whenever an
// operation has made, replaced or disposed of one of them.
TEST(Completeness, OperationsWithOneEmptyArgumentDoNotCrash) {
  const long live = LiveNativeObjects();
  for (int member = 0; member < Fixture::kMembers; ++member) {
    std::unique_ptr<Fixture> f;
    for (const Operation& op : Operations()) {
      if (!f) {
        f = std::make_unique<Fixture>(true);
        f->Clear(member);
      }
      op.call(*f);
      const std::string name = op.function;
      if (MakesOrDisposes(name) || name == "GetImageGraphicsContext") f.reset();
    }
  }
  EXPECT_EQ(LiveNativeObjects(), live);
}

}  // namespace
