// Graphics structures: printing escapes, transforms, bitmaps and colour spaces, fonts and text metrics,
// palettes, regions, glyph outlines, pixel formats, gradients, enhanced-metafile records; and the
// OpenGL ones (wingdi.h).
#include "catalogue.h"

namespace savrawin {

// ---- graphics --------------------------------------------------------------------------------------------------------

#define DRAWPATRECT_ROWS(X, T) X(T, EMB, ptPosition, 0, cls_POINT) X(T, EMB, ptSize, 8, cls_POINT)                   \
    X(T, US, wStyle, 16) X(T, US, wPattern, 18)
STRUCTURE(DRAWPATRECT, DRAWPATRECT, 20)
#define PSINJECTDATA_ROWS(X, T) X(T, UL, DataBytes, 0) X(T, US, InjectionPoint, 4) X(T, US, PageNumber, 6)
STRUCTURE(PSINJECTDATA, PSINJECTDATA, 8)
#define PSFEATURE_OUTPUT_ROWS(X, T) X(T, L, bPageIndependent, 0) X(T, L, bSetPageDevice, 4)
STRUCTURE(PSFEATURE_OUTPUT, PSFEATURE_OUTPUT, 8)
#define PSFEATURE_CUSTPAPER_ROWS(X, T) X(T, L, lOrientation, 0) X(T, L, lWidth, 4) X(T, L, lHeight, 8)               \
    X(T, L, lWidthOffset, 12) X(T, L, lHeightOffset, 16)
STRUCTURE(PSFEATURE_CUSTPAPER, PSFEATURE_CUSTPAPER, 20)
#define XFORM_ROWS(X, T) X(T, F, eM11, 0) X(T, F, eM12, 4) X(T, F, eM21, 8) X(T, F, eM22, 12) X(T, F, eDx, 16)       \
    X(T, F, eDy, 20)
STRUCTURE(XFORM, XFORM, 24)
#define BITMAP_ROWS(X, T) X(T, L, bmType, 0) X(T, L, bmWidth, 4) X(T, L, bmHeight, 8) X(T, L, bmWidthBytes, 12)      \
    X(T, US, bmPlanes, 16) X(T, US, bmBitsPixel, 18)
STRUCTURE(BITMAP, BITMAP, 24)
#define RGBTRIPLE_ROWS(X, T) X(T, UC, rgbtBlue, 0) X(T, UC, rgbtGreen, 1) X(T, UC, rgbtRed, 2)
STRUCTURE(RGBTRIPLE, RGBTRIPLE, 3)
#define RGBQUAD_ROWS(X, T) X(T, UC, rgbBlue, 0) X(T, UC, rgbGreen, 1) X(T, UC, rgbRed, 2) X(T, UC, rgbReserved, 3)
STRUCTURE(RGBQUAD, RGBQUAD, 4)
#define CIEXYZ_ROWS(X, T) X(T, L, ciexyzX, 0) X(T, L, ciexyzY, 4) X(T, L, ciexyzZ, 8)
STRUCTURE(CIEXYZ, CIEXYZ, 12)
#define CIEXYZTRIPLE_ROWS(X, T) X(T, EMB, ciexyzRed, 0, cls_CIEXYZ) X(T, EMB, ciexyzGreen, 12, cls_CIEXYZ)           \
    X(T, EMB, ciexyzBlue, 24, cls_CIEXYZ)
STRUCTURE(CIEXYZTRIPLE, CIEXYZTRIPLE, 36)
#define LOGCOLORSPACE_ROWS(X, T) X(T, UL, lcsSignature, 0) X(T, UL, lcsVersion, 4) X(T, UL, lcsSize, 8)              \
    X(T, L, lcsCSType, 12) X(T, L, lcsIntent, 16) X(T, EMB, lcsEndpoints, 20, cls_CIEXYZTRIPLE)                      \
    X(T, UL, lcsGammaRed, 56) X(T, UL, lcsGammaGreen, 60) X(T, UL, lcsGammaBlue, 64)
STRUCTURE(LOGCOLORSPACE, LOGCOLORSPACEW, 588)
#define BITMAPCOREHEADER_ROWS(X, T) X(T, UL, bcSize, 0) X(T, US, bcWidth, 4) X(T, US, bcHeight, 6)                   \
    X(T, US, bcPlanes, 8) X(T, US, bcBitCount, 10)
STRUCTURE(BITMAPCOREHEADER, BITMAPCOREHEADER, 12)
#define BITMAPINFOHEADER_ROWS(X, T) X(T, UL, biSize, 0) X(T, L, biWidth, 4) X(T, L, biHeight, 8)                     \
    X(T, US, biPlanes, 12) X(T, US, biBitCount, 14) X(T, UL, biCompression, 16) X(T, UL, biSizeImage, 20)            \
    X(T, L, biXPelsPerMeter, 24) X(T, L, biYPelsPerMeter, 28) X(T, UL, biClrUsed, 32) X(T, UL, biClrImportant, 36)
STRUCTURE(BITMAPINFOHEADER, BITMAPINFOHEADER, 40)
#define BITMAPV4HEADER_ROWS(X, T) X(T, UL, bV4Size, 0) X(T, L, bV4Width, 4) X(T, L, bV4Height, 8)                    \
    X(T, US, bV4Planes, 12) X(T, US, bV4BitCount, 14) X(T, UL, bV4V4Compression, 16) X(T, UL, bV4SizeImage, 20)      \
    X(T, L, bV4XPelsPerMeter, 24) X(T, L, bV4YPelsPerMeter, 28) X(T, UL, bV4ClrUsed, 32)                             \
    X(T, UL, bV4ClrImportant, 36) X(T, UL, bV4RedMask, 40) X(T, UL, bV4GreenMask, 44) X(T, UL, bV4BlueMask, 48)      \
    X(T, UL, bV4AlphaMask, 52) X(T, UL, bV4CSType, 56) X(T, EMB, bV4Endpoints, 60, cls_CIEXYZTRIPLE)                 \
    X(T, UL, bV4GammaRed, 96) X(T, UL, bV4GammaGreen, 100) X(T, UL, bV4GammaBlue, 104)
STRUCTURE(BITMAPV4HEADER, BITMAPV4HEADER, 108)
#define BITMAPV5HEADER_ROWS(X, T) X(T, UL, bV5Size, 0) X(T, L, bV5Width, 4) X(T, L, bV5Height, 8)                    \
    X(T, US, bV5Planes, 12) X(T, US, bV5BitCount, 14) X(T, UL, bV5Compression, 16) X(T, UL, bV5SizeImage, 20)        \
    X(T, L, bV5XPelsPerMeter, 24) X(T, L, bV5YPelsPerMeter, 28) X(T, UL, bV5ClrUsed, 32)                             \
    X(T, UL, bV5ClrImportant, 36) X(T, UL, bV5RedMask, 40) X(T, UL, bV5GreenMask, 44) X(T, UL, bV5BlueMask, 48)      \
    X(T, UL, bV5AlphaMask, 52) X(T, UL, bV5CSType, 56) X(T, EMB, bV5Endpoints, 60, cls_CIEXYZTRIPLE)                 \
    X(T, UL, bV5GammaRed, 96) X(T, UL, bV5GammaGreen, 100) X(T, UL, bV5GammaBlue, 104) X(T, UL, bV5Intent, 108)      \
    X(T, UL, bV5ProfileData, 112) X(T, UL, bV5ProfileSize, 116) X(T, UL, bV5Reserved, 120)
STRUCTURE(BITMAPV5HEADER, BITMAPV5HEADER, 124)
#define BITMAPINFO_ROWS(X, T) X(T, EMB, bmiHeader, 0, cls_BITMAPINFOHEADER)
STRUCTURE(BITMAPINFO, BITMAPINFO, 44)
#define BITMAPCOREINFO_ROWS(X, T) X(T, EMB, bmciHeader, 0, cls_BITMAPCOREHEADER)
STRUCTURE(BITMAPCOREINFO, BITMAPCOREINFO, 16)
#define BITMAPFILEHEADER_ROWS(X, T) X(T, US, bfType, 0) X(T, UL, bfSize, 2) X(T, US, bfReserved1, 6)                 \
    X(T, US, bfReserved2, 8) X(T, UL, bfOffBits, 10)
STRUCTURE(BITMAPFILEHEADER, BITMAPFILEHEADER, 14)
#define FONTSIGNATURE_ROWS(X, T)
STRUCTURE(FONTSIGNATURE, FONTSIGNATURE, 24)
#define CHARSETINFO_ROWS(X, T) X(T, UL, ciCharset, 0) X(T, UL, ciACP, 4) X(T, EMB, fs, 8, cls_FONTSIGNATURE)
STRUCTURE(CHARSETINFO, CHARSETINFO, 32)
#define LOCALESIGNATURE_ROWS(X, T)
STRUCTURE(LOCALESIGNATURE, LOCALESIGNATURE, 32)
#define HANDLETABLE_ROWS(X, T)
STRUCTURE(HANDLETABLE, HANDLETABLE, 4)
#define METARECORD_ROWS(X, T) X(T, UL, rdSize, 0) X(T, US, rdFunction, 4)
STRUCTURE(METARECORD, METARECORD, 8)
#define METAFILEPICT_ROWS(X, T) X(T, L, mm, 0) X(T, L, xExt, 4) X(T, L, yExt, 8) X(T, UL, hMF, 12)
STRUCTURE(METAFILEPICT, METAFILEPICT, 16)
#define METAHEADER_ROWS(X, T) X(T, US, mtType, 0) X(T, US, mtHeaderSize, 2) X(T, US, mtVersion, 4)                   \
    X(T, UL, mtSize, 6) X(T, US, mtNoObjects, 10) X(T, UL, mtMaxRecord, 12) X(T, US, mtNoParameters, 16)
STRUCTURE(METAHEADER, METAHEADER, 18)
#define ENHMETARECORD_ROWS(X, T) X(T, UL, iType, 0) X(T, UL, nSize, 4)
STRUCTURE(ENHMETARECORD, ENHMETARECORD, 12)
#define ENHMETAHEADER_ROWS(X, T) X(T, UL, iType, 0) X(T, UL, nSize, 4) X(T, EMB, rclBounds, 8, cls_RECTL)            \
    X(T, EMB, rclFrame, 24, cls_RECTL) X(T, UL, dSignature, 40) X(T, UL, nVersion, 44) X(T, UL, nBytes, 48)          \
    X(T, UL, nRecords, 52) X(T, US, nHandles, 56) X(T, US, sReserved, 58) X(T, UL, nDescription, 60)                 \
    X(T, UL, offDescription, 64) X(T, UL, nPalEntries, 68) X(T, EMB, szlDevice, 72, cls_SIZE)                        \
    X(T, EMB, szlMillimeters, 80, cls_SIZE) X(T, UL, cbPixelFormat, 88) X(T, UL, offPixelFormat, 92)                 \
    X(T, UL, bOpenGL, 96) X(T, EMB, szlMicrometers, 100, cls_SIZE)
STRUCTURE(ENHMETAHEADER, ENHMETAHEADER, 108)
#define TEXTMETRIC_ROWS(X, T) X(T, L, tmHeight, 0) X(T, L, tmAscent, 4) X(T, L, tmDescent, 8)                        \
    X(T, L, tmInternalLeading, 12) X(T, L, tmExternalLeading, 16) X(T, L, tmAveCharWidth, 20)                        \
    X(T, L, tmMaxCharWidth, 24) X(T, L, tmWeight, 28) X(T, L, tmOverhang, 32) X(T, L, tmDigitizedAspectX, 36)        \
    X(T, L, tmDigitizedAspectY, 40) X(T, US, tmFirstChar, 44) X(T, US, tmLastChar, 46) X(T, US, tmDefaultChar, 48)   \
    X(T, US, tmBreakChar, 50) X(T, UC, tmItalic, 52) X(T, UC, tmUnderlined, 53) X(T, UC, tmStruckOut, 54)            \
    X(T, UC, tmPitchAndFamily, 55) X(T, UC, tmCharSet, 56)
STRUCTURE(TEXTMETRIC, TEXTMETRICW, 60)
#define NEWTEXTMETRIC_ROWS(X, T) X(T, L, tmHeight, 0) X(T, L, tmAscent, 4) X(T, L, tmDescent, 8)                     \
    X(T, L, tmInternalLeading, 12) X(T, L, tmExternalLeading, 16) X(T, L, tmAveCharWidth, 20)                        \
    X(T, L, tmMaxCharWidth, 24) X(T, L, tmWeight, 28) X(T, L, tmOverhang, 32) X(T, L, tmDigitizedAspectX, 36)        \
    X(T, L, tmDigitizedAspectY, 40) X(T, US, tmFirstChar, 44) X(T, US, tmLastChar, 46) X(T, US, tmDefaultChar, 48)   \
    X(T, US, tmBreakChar, 50) X(T, UC, tmItalic, 52) X(T, UC, tmUnderlined, 53) X(T, UC, tmStruckOut, 54)            \
    X(T, UC, tmPitchAndFamily, 55) X(T, UC, tmCharSet, 56) X(T, UL, ntmFlags, 60) X(T, UL, ntmSizeEM, 64)            \
    X(T, UL, ntmCellHeight, 68) X(T, UL, ntmAvgWidth, 72)
STRUCTURE(NEWTEXTMETRIC, NEWTEXTMETRICW, 76)
#define NEWTEXTMETRICEX_ROWS(X, T) X(T, EMB, ntmTm, 0, cls_NEWTEXTMETRIC) X(T, EMB, ntmFontSig, 76, cls_FONTSIGNATURE)
STRUCTURE(NEWTEXTMETRICEX, NEWTEXTMETRICEXW, 100)
#define PELARRAY_ROWS(X, T) X(T, L, paXCount, 0) X(T, L, paYCount, 4) X(T, L, paXExt, 8) X(T, L, paYExt, 12)         \
    X(T, UC, paRGBs, 16)
STRUCTURE(PELARRAY, PELARRAY, 20)
#define LOGBRUSH_ROWS(X, T) X(T, UL, lbStyle, 0) X(T, UL, lbColor, 4)
STRUCTURE(LOGBRUSH, LOGBRUSH, 12)
#define LOGBRUSH32_ROWS(X, T) X(T, UL, lbStyle, 0) X(T, UL, lbColor, 4) X(T, UL, lbHatch, 8)
STRUCTURE(LOGBRUSH32, LOGBRUSH32, 12)
#define LOGPEN_ROWS(X, T) X(T, UL, lopnStyle, 0) X(T, EMB, lopnWidth, 4, cls_POINT) X(T, UL, lopnColor, 12)
STRUCTURE(LOGPEN, LOGPEN, 16)
#define EXTLOGPEN_ROWS(X, T) X(T, UL, elpPenStyle, 0) X(T, UL, elpWidth, 4) X(T, UL, elpBrushStyle, 8)               \
    X(T, UL, elpColor, 12) X(T, UL, elpNumEntries, 20)
STRUCTURE(EXTLOGPEN, EXTLOGPEN, 28)
#define PALETTEENTRY_ROWS(X, T) X(T, UC, peRed, 0) X(T, UC, peGreen, 1) X(T, UC, peBlue, 2) X(T, UC, peFlags, 3)
STRUCTURE(PALETTEENTRY, PALETTEENTRY, 4)
#define LOGPALETTE_ROWS(X, T) X(T, US, palVersion, 0) X(T, US, palNumEntries, 2)
STRUCTURE(LOGPALETTE, LOGPALETTE, 8)
#define LOGFONT_ROWS(X, T) X(T, L, lfHeight, 0) X(T, L, lfWidth, 4) X(T, L, lfEscapement, 8)                         \
    X(T, L, lfOrientation, 12) X(T, L, lfWeight, 16) X(T, UC, lfItalic, 20) X(T, UC, lfUnderline, 21)                \
    X(T, UC, lfStrikeOut, 22) X(T, UC, lfCharSet, 23) X(T, UC, lfOutPrecision, 24) X(T, UC, lfClipPrecision, 25)     \
    X(T, UC, lfQuality, 26) X(T, UC, lfPitchAndFamily, 27)
STRUCTURE(LOGFONT, LOGFONTW, 92)
#define ENUMLOGFONT_ROWS(X, T) X(T, EMB, elfLogFont, 0, cls_LOGFONT)
STRUCTURE(ENUMLOGFONT, ENUMLOGFONTW, 284)
#define ENUMLOGFONTEX_ROWS(X, T) X(T, EMB, elfLogFont, 0, cls_LOGFONT)
STRUCTURE(ENUMLOGFONTEX, ENUMLOGFONTEXW, 348)
#define PANOSE_ROWS(X, T) X(T, UC, bFamilyType, 0) X(T, UC, bSerifStyle, 1) X(T, UC, bWeight, 2)                     \
    X(T, UC, bProportion, 3) X(T, UC, bContrast, 4) X(T, UC, bStrokeVariation, 5) X(T, UC, bArmStyle, 6)             \
    X(T, UC, bLetterform, 7) X(T, UC, bMidline, 8) X(T, UC, bXHeight, 9)
STRUCTURE(PANOSE, PANOSE, 10)
#define EXTLOGFONT_ROWS(X, T) X(T, EMB, elfLogFont, 0, cls_LOGFONT) X(T, UL, elfVersion, 284)                        \
    X(T, UL, elfStyleSize, 288) X(T, UL, elfMatch, 292) X(T, UL, elfReserved, 296) X(T, UL, elfCulture, 304)         \
    X(T, EMB, elfPanose, 308, cls_PANOSE)
STRUCTURE(EXTLOGFONT, EXTLOGFONTW, 320)
#define DEVMODE_ROWS(X, T) X(T, US, dmSpecVersion, 64) X(T, US, dmDriverVersion, 66) X(T, US, dmSize, 68)            \
    X(T, US, dmDriverExtra, 70) X(T, UL, dmFields, 72) X(T, S, dmColor, 92) X(T, S, dmDuplex, 94)                    \
    X(T, S, dmYResolution, 96) X(T, S, dmTTOption, 98) X(T, S, dmCollate, 100) X(T, US, dmLogPixels, 166)            \
    X(T, UL, dmBitsPerPel, 168) X(T, UL, dmPelsWidth, 172) X(T, UL, dmPelsHeight, 176)                               \
    X(T, UL, dmDisplayFrequency, 184) X(T, UL, dmICMMethod, 188) X(T, UL, dmICMIntent, 192)                          \
    X(T, UL, dmMediaType, 196) X(T, UL, dmDitherType, 200) X(T, UL, dmReserved1, 204) X(T, UL, dmReserved2, 208)     \
    X(T, UL, dmPanningWidth, 212) X(T, UL, dmPanningHeight, 216)
STRUCTURE(DEVMODE, DEVMODEW, 220)
#define DISPLAY_DEVICE_ROWS(X, T) X(T, UL, cb, 0) X(T, UL, StateFlags, 324)
STRUCTURE(DISPLAY_DEVICE, DISPLAY_DEVICEW, 840)
#define RGNDATAHEADER_ROWS(X, T) X(T, UL, dwSize, 0) X(T, UL, iType, 4) X(T, UL, nCount, 8) X(T, UL, nRgnSize, 12)   \
    X(T, EMB, rcBound, 16, cls_RECT)
STRUCTURE(RGNDATAHEADER, RGNDATAHEADER, 32)
#define RGNDATA_ROWS(X, T) X(T, EMB, rdh, 0, cls_RGNDATAHEADER)
STRUCTURE(RGNDATA, RGNDATA, 36)
#define ABC_ROWS(X, T) X(T, I, abcA, 0) X(T, UL, abcB, 4) X(T, I, abcC, 8)
STRUCTURE(ABC, ABC, 12)
#define ABCFLOAT_ROWS(X, T) X(T, F, abcfA, 0) X(T, F, abcfB, 4) X(T, F, abcfC, 8)
STRUCTURE(ABCFLOAT, ABCFLOAT, 12)
#define OUTLINETEXTMETRIC_ROWS(X, T) X(T, UL, otmSize, 0) X(T, EMB, otmTextMetrics, 4, cls_TEXTMETRIC)               \
    X(T, UC, otmFiller, 64) X(T, EMB, otmPanoseNumber, 65, cls_PANOSE) X(T, UL, otmfsSelection, 76)                  \
    X(T, UL, otmfsType, 80) X(T, I, otmsCharSlopeRise, 84) X(T, I, otmsCharSlopeRun, 88) X(T, I, otmItalicAngle, 92) \
    X(T, UL, otmEMSquare, 96) X(T, I, otmAscent, 100) X(T, I, otmDescent, 104) X(T, UL, otmLineGap, 108)             \
    X(T, UL, otmsCapEmHeight, 112) X(T, UL, otmsXHeight, 116) X(T, EMB, otmrcFontBox, 120, cls_RECT)                 \
    X(T, I, otmMacAscent, 136) X(T, I, otmMacDescent, 140) X(T, UL, otmMacLineGap, 144)                              \
    X(T, UL, otmusMinimumPPEM, 148) X(T, EMB, otmptSubscriptSize, 152, cls_POINT)                                    \
    X(T, EMB, otmptSubscriptOffset, 160, cls_POINT) X(T, EMB, otmptSuperscriptSize, 168, cls_POINT)                  \
    X(T, EMB, otmptSuperscriptOffset, 176, cls_POINT) X(T, UL, otmsStrikeoutSize, 184)                               \
    X(T, I, otmsStrikeoutPosition, 188) X(T, I, otmsUnderscoreSize, 192) X(T, I, otmsUnderscorePosition, 196)
STRUCTURE(OUTLINETEXTMETRIC, OUTLINETEXTMETRICW, 216)
#define POLYTEXT_ROWS(X, T) X(T, I, x, 0) X(T, I, y, 4) X(T, UL, n, 8) X(T, W, lpstr, 12) X(T, UL, uiFlags, 16)      \
    X(T, EMB, rcl, 20, cls_RECT)
STRUCTURE(POLYTEXT, POLYTEXTW, 40)
#define FIXED_ROWS(X, T) X(T, US, fract, 0) X(T, S, value, 2)
STRUCTURE(FIXED, FIXED, 4)
#define MAT2_ROWS(X, T) X(T, EMB, eM11, 0, cls_FIXED) X(T, EMB, eM12, 4, cls_FIXED) X(T, EMB, eM21, 8, cls_FIXED)    \
    X(T, EMB, eM22, 12, cls_FIXED)
STRUCTURE(MAT2, MAT2, 16)
#define GLYPHMETRICS_ROWS(X, T) X(T, UL, gmBlackBoxX, 0) X(T, UL, gmBlackBoxY, 4)                                    \
    X(T, EMB, gmptGlyphOrigin, 8, cls_POINT) X(T, S, gmCellIncX, 16) X(T, S, gmCellIncY, 18)
STRUCTURE(GLYPHMETRICS, GLYPHMETRICS, 20)
#define POINTFX_ROWS(X, T) X(T, EMB, x, 0, cls_FIXED) X(T, EMB, y, 4, cls_FIXED)
STRUCTURE(POINTFX, POINTFX, 8)
#define TTPOLYCURVE_ROWS(X, T) X(T, US, wType, 0) X(T, US, cpfx, 2)
STRUCTURE(TTPOLYCURVE, TTPOLYCURVE, 12)
#define TTPOLYGONHEADER_ROWS(X, T) X(T, UL, cb, 0) X(T, UL, dwType, 4) X(T, EMB, pfxStart, 8, cls_POINTFX)
STRUCTURE(TTPOLYGONHEADER, TTPOLYGONHEADER, 16)
#define GCP_RESULTS_ROWS(X, T) X(T, UL, lStructSize, 0) X(T, W, lpOutString, 4) X(T, N, lpClass, 20)                 \
    X(T, W, lpGlyphs, 24) X(T, UL, nGlyphs, 28) X(T, I, nMaxFit, 32)
STRUCTURE(GCP_RESULTS, GCP_RESULTSW, 36)
#define RASTERIZER_STATUS_ROWS(X, T) X(T, S, nSize, 0) X(T, S, wFlags, 2) X(T, S, nLanguageID, 4)
STRUCTURE(RASTERIZER_STATUS, RASTERIZER_STATUS, 6)
#define PIXELFORMATDESCRIPTOR_ROWS(X, T) X(T, US, nSize, 0) X(T, US, nVersion, 2) X(T, UL, dwFlags, 4)               \
    X(T, UC, iPixelType, 8) X(T, UC, cColorBits, 9) X(T, UC, cRedBits, 10) X(T, UC, cRedShift, 11)                   \
    X(T, UC, cGreenBits, 12) X(T, UC, cGreenShift, 13) X(T, UC, cBlueBits, 14) X(T, UC, cBlueShift, 15)              \
    X(T, UC, cAlphaBits, 16) X(T, UC, cAlphaShift, 17) X(T, UC, cAccumBits, 18) X(T, UC, cAccumRedBits, 19)          \
    X(T, UC, cAccumGreenBits, 20) X(T, UC, cAccumBlueBits, 21) X(T, UC, cAccumAlphaBits, 22)                         \
    X(T, UC, cDepthBits, 23) X(T, UC, cStencilBits, 24) X(T, UC, cAuxBuffers, 25) X(T, UC, iLayerType, 26)           \
    X(T, UC, bReserved, 27) X(T, UL, dwLayerMask, 28) X(T, UL, dwVisibleMask, 32) X(T, UL, dwDamageMask, 36)
STRUCTURE(PIXELFORMATDESCRIPTOR, PIXELFORMATDESCRIPTOR, 40)
#define WCRANGE_ROWS(X, T) X(T, US, wcLow, 0) X(T, US, cGlyphs, 2)
STRUCTURE(WCRANGE, WCRANGE, 4)
#define GLYPHSET_ROWS(X, T) X(T, UL, cbThis, 0) X(T, UL, flAccel, 4) X(T, UL, cGlyphsSupported, 8)                   \
    X(T, UL, cRanges, 12)
STRUCTURE(GLYPHSET, GLYPHSET, 20)
#define DESIGNVECTOR_ROWS(X, T) X(T, UL, dvReserved, 0) X(T, UL, dvNumAxes, 4)
STRUCTURE(DESIGNVECTOR, DESIGNVECTOR, 72)
#define AXISINFO_ROWS(X, T) X(T, L, axMinValue, 0) X(T, L, axMaxValue, 4)
STRUCTURE(AXISINFO, AXISINFOW, 40)
#define AXESLIST_ROWS(X, T) X(T, UL, axlReserved, 0) X(T, UL, axlNumAxes, 4)
STRUCTURE(AXESLIST, AXESLISTW, 648)
#define ENUMLOGFONTEXDV_ROWS(X, T) X(T, EMB, elfEnumLogfontEx, 0, cls_ENUMLOGFONTEX)                                 \
    X(T, EMB, elfDesignVector, 348, cls_DESIGNVECTOR)
STRUCTURE(ENUMLOGFONTEXDV, ENUMLOGFONTEXDVW, 420)
#define ENUMTEXTMETRIC_ROWS(X, T) X(T, EMB, etmNewTextMetricEx, 0, cls_NEWTEXTMETRICEX)                              \
    X(T, EMB, etmAxesList, 100, cls_AXESLIST)
STRUCTURE(ENUMTEXTMETRIC, ENUMTEXTMETRICW, 748)
#define TRIVERTEX_ROWS(X, T) X(T, L, x, 0) X(T, L, y, 4) X(T, US, Red, 8) X(T, US, Green, 10) X(T, US, Blue, 12)     \
    X(T, US, Alpha, 14)
STRUCTURE(TRIVERTEX, TRIVERTEX, 16)
#define GRADIENT_TRIANGLE_ROWS(X, T) X(T, UL, Vertex1, 0) X(T, UL, Vertex2, 4) X(T, UL, Vertex3, 8)
STRUCTURE(GRADIENT_TRIANGLE, GRADIENT_TRIANGLE, 12)
#define GRADIENT_RECT_ROWS(X, T) X(T, UL, UpperLeft, 0) X(T, UL, LowerRight, 4)
STRUCTURE(GRADIENT_RECT, GRADIENT_RECT, 8)
#define BLENDFUNCTION_ROWS(X, T) X(T, UC, BlendOp, 0) X(T, UC, BlendFlags, 1) X(T, UC, SourceConstantAlpha, 2)       \
    X(T, UC, AlphaFormat, 3)
STRUCTURE(BLENDFUNCTION, BLENDFUNCTION, 4)
#define DIBSECTION_ROWS(X, T) X(T, EMB, dsBm, 0, cls_BITMAP) X(T, EMB, dsBmih, 24, cls_BITMAPINFOHEADER)             \
    X(T, UL, dshSection, 76) X(T, UL, dsOffset, 80)
STRUCTURE(DIBSECTION, DIBSECTION, 84)
#define COLORADJUSTMENT_ROWS(X, T) X(T, US, caSize, 0) X(T, US, caFlags, 2) X(T, US, caIlluminantIndex, 4)           \
    X(T, US, caRedGamma, 6) X(T, US, caGreenGamma, 8) X(T, US, caBlueGamma, 10) X(T, US, caReferenceBlack, 12)       \
    X(T, US, caReferenceWhite, 14) X(T, S, caContrast, 16) X(T, S, caBrightness, 18) X(T, S, caColorfulness, 20)     \
    X(T, S, caRedGreenTint, 22)
STRUCTURE(COLORADJUSTMENT, COLORADJUSTMENT, 24)
#define DOCINFO_ROWS(X, T) X(T, I, cbSize, 0) X(T, W, lpszDocName, 4) X(T, W, lpszOutput, 8)                         \
    X(T, W, lpszDatatype, 12) X(T, UL, fwType, 16)
STRUCTURE(DOCINFO, DOCINFOW, 20)
#define KERNINGPAIR_ROWS(X, T) X(T, US, wFirst, 0) X(T, US, wSecond, 2) X(T, I, iKernAmount, 4)
STRUCTURE(KERNINGPAIR, KERNINGPAIR, 8)
#define EMR_ROWS(X, T) X(T, UL, iType, 0) X(T, UL, nSize, 4)
STRUCTURE(EMR, EMR, 8)
#define EMRTEXT_ROWS(X, T) X(T, EMB, ptlReference, 0, cls_POINTL) X(T, UL, nChars, 8) X(T, UL, offString, 12)        \
    X(T, UL, fOptions, 16) X(T, EMB, rcl, 20, cls_RECTL) X(T, UL, offDx, 36)
STRUCTURE(EMRTEXT, EMRTEXT, 40)
#define EMRABORTPATH_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR)
STRUCTURE(EMRABORTPATH, EMRABORTPATH, 8)
#define EMRSELECTCLIPPATH_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, iMode, 8)
STRUCTURE(EMRSELECTCLIPPATH, EMRSELECTCLIPPATH, 12)
#define EMRSETMITERLIMIT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, F, eMiterLimit, 8)
STRUCTURE(EMRSETMITERLIMIT, EMRSETMITERLIMIT, 12)
#define EMRRESTOREDC_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, L, iRelative, 8)
STRUCTURE(EMRRESTOREDC, EMRRESTOREDC, 12)
#define EMRSETARCDIRECTION_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, iArcDirection, 8)
STRUCTURE(EMRSETARCDIRECTION, EMRSETARCDIRECTION, 12)
#define EMRSETMAPPERFLAGS_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, dwFlags, 8)
STRUCTURE(EMRSETMAPPERFLAGS, EMRSETMAPPERFLAGS, 12)
#define EMRSETBKCOLOR_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, crColor, 8)
STRUCTURE(EMRSETBKCOLOR, EMRSETBKCOLOR, 12)
#define EMRSELECTOBJECT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihObject, 8)
STRUCTURE(EMRSELECTOBJECT, EMRSELECTOBJECT, 12)
#define EMRSELECTPALETTE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihPal, 8)
STRUCTURE(EMRSELECTPALETTE, EMRSELECTPALETTE, 12)
#define EMRRESIZEPALETTE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihPal, 8) X(T, UL, cEntries, 12)
STRUCTURE(EMRRESIZEPALETTE, EMRRESIZEPALETTE, 16)
#define EMRSETPALETTEENTRIES_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihPal, 8) X(T, UL, iStart, 12)           \
    X(T, UL, cEntries, 16)
STRUCTURE(EMRSETPALETTEENTRIES, EMRSETPALETTEENTRIES, 24)
#define EMRSETCOLORADJUSTMENT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, ColorAdjustment, 8, cls_COLORADJUSTMENT)
STRUCTURE(EMRSETCOLORADJUSTMENT, EMRSETCOLORADJUSTMENT, 32)
#define EMRGDICOMMENT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, cbData, 8)
STRUCTURE(EMRGDICOMMENT, EMRGDICOMMENT, 16)
#define EMREOF_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, nPalEntries, 8) X(T, UL, offPalEntries, 12)            \
    X(T, UL, nSizeLast, 16)
STRUCTURE(EMREOF, EMREOF, 20)
#define EMRLINETO_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, ptl, 8, cls_POINTL)
STRUCTURE(EMRLINETO, EMRLINETO, 16)
#define EMROFFSETCLIPRGN_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, ptlOffset, 8, cls_POINTL)
STRUCTURE(EMROFFSETCLIPRGN, EMROFFSETCLIPRGN, 16)
#define EMRFILLPATH_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL)
STRUCTURE(EMRFILLPATH, EMRFILLPATH, 24)
#define EMREXCLUDECLIPRECT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclClip, 8, cls_RECTL)
STRUCTURE(EMREXCLUDECLIPRECT, EMREXCLUDECLIPRECT, 24)
#define EMRSETVIEWPORTORGEX_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, ptlOrigin, 8, cls_POINTL)
STRUCTURE(EMRSETVIEWPORTORGEX, EMRSETVIEWPORTORGEX, 16)
#define EMRSETVIEWPORTEXTEX_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, szlExtent, 8, cls_SIZE)
STRUCTURE(EMRSETVIEWPORTEXTEX, EMRSETVIEWPORTEXTEX, 16)
#define EMRSCALEVIEWPORTEXTEX_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, L, xNum, 8) X(T, L, xDenom, 12)             \
    X(T, L, yNum, 16) X(T, L, yDenom, 20)
STRUCTURE(EMRSCALEVIEWPORTEXTEX, EMRSCALEVIEWPORTEXTEX, 24)
#define EMRSETWORLDTRANSFORM_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, xform, 8, cls_XFORM)
STRUCTURE(EMRSETWORLDTRANSFORM, EMRSETWORLDTRANSFORM, 32)
#define EMRMODIFYWORLDTRANSFORM_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, xform, 8, cls_XFORM)                 \
    X(T, UL, iMode, 32)
STRUCTURE(EMRMODIFYWORLDTRANSFORM, EMRMODIFYWORLDTRANSFORM, 36)
#define EMRSETPIXELV_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, ptlPixel, 8, cls_POINTL) X(T, UL, crColor, 16)
STRUCTURE(EMRSETPIXELV, EMRSETPIXELV, 20)
#define EMREXTFLOODFILL_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, ptlStart, 8, cls_POINTL)                     \
    X(T, UL, crColor, 16) X(T, UL, iMode, 20)
STRUCTURE(EMREXTFLOODFILL, EMREXTFLOODFILL, 24)
#define EMRELLIPSE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBox, 8, cls_RECTL)
STRUCTURE(EMRELLIPSE, EMRELLIPSE, 24)
#define EMRROUNDRECT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBox, 8, cls_RECTL)                           \
    X(T, EMB, szlCorner, 24, cls_SIZE)
STRUCTURE(EMRROUNDRECT, EMRROUNDRECT, 32)
#define EMRARC_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBox, 8, cls_RECTL)                                 \
    X(T, EMB, ptlStart, 24, cls_POINTL) X(T, EMB, ptlEnd, 32, cls_POINTL)
STRUCTURE(EMRARC, EMRARC, 40)
#define EMRANGLEARC_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, ptlCenter, 8, cls_POINTL) X(T, UL, nRadius, 16)  \
    X(T, F, eStartAngle, 20) X(T, F, eSweepAngle, 24)
STRUCTURE(EMRANGLEARC, EMRANGLEARC, 28)
#define EMRPOLYLINE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, UL, cptl, 24)
STRUCTURE(EMRPOLYLINE, EMRPOLYLINE, 36)
#define EMRPOLYLINE16_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, UL, cpts, 24)
STRUCTURE(EMRPOLYLINE16, EMRPOLYLINE16, 32)
#define EMRPOLYDRAW_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, UL, cptl, 24)
STRUCTURE(EMRPOLYDRAW, EMRPOLYDRAW, 40)
#define EMRPOLYDRAW16_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, UL, cpts, 24)
STRUCTURE(EMRPOLYDRAW16, EMRPOLYDRAW16, 36)
#define EMRPOLYPOLYLINE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL)                     \
    X(T, UL, nPolys, 24) X(T, UL, cptl, 28)
STRUCTURE(EMRPOLYPOLYLINE, EMRPOLYPOLYLINE, 44)
#define EMRPOLYPOLYLINE16_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL)                   \
    X(T, UL, nPolys, 24) X(T, UL, cpts, 28)
STRUCTURE(EMRPOLYPOLYLINE16, EMRPOLYPOLYLINE16, 40)
#define EMRINVERTRGN_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, UL, cbRgnData, 24)
STRUCTURE(EMRINVERTRGN, EMRINVERTRGN, 32)
#define EMRFILLRGN_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, UL, cbRgnData, 24)  \
    X(T, UL, ihBrush, 28)
STRUCTURE(EMRFILLRGN, EMRFILLRGN, 36)
#define EMRFRAMERGN_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, UL, cbRgnData, 24) \
    X(T, UL, ihBrush, 28) X(T, EMB, szlStroke, 32, cls_SIZE)
STRUCTURE(EMRFRAMERGN, EMRFRAMERGN, 44)
#define EMREXTSELECTCLIPRGN_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, cbRgnData, 8) X(T, UL, iMode, 12)
STRUCTURE(EMREXTSELECTCLIPRGN, EMREXTSELECTCLIPRGN, 20)
#define EMREXTTEXTOUTA_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL)                      \
    X(T, UL, iGraphicsMode, 24) X(T, F, exScale, 28) X(T, F, eyScale, 32) X(T, EMB, emrtext, 36, cls_EMRTEXT)
STRUCTURE(EMREXTTEXTOUTA, EMREXTTEXTOUTA, 76)
#define EMRPOLYTEXTOUTA_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL)                     \
    X(T, UL, iGraphicsMode, 24) X(T, F, exScale, 28) X(T, F, eyScale, 32) X(T, L, cStrings, 36)
STRUCTURE(EMRPOLYTEXTOUTA, EMRPOLYTEXTOUTA, 80)
#define EMRBITBLT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, L, xDest, 24)        \
    X(T, L, yDest, 28) X(T, L, cxDest, 32) X(T, L, cyDest, 36) X(T, UL, dwRop, 40) X(T, L, xSrc, 44)                 \
    X(T, L, ySrc, 48) X(T, EMB, xformSrc, 52, cls_XFORM) X(T, UL, crBkColorSrc, 76) X(T, UL, iUsageSrc, 80)          \
    X(T, UL, offBmiSrc, 84) X(T, UL, cbBmiSrc, 88) X(T, UL, offBitsSrc, 92) X(T, UL, cbBitsSrc, 96)
STRUCTURE(EMRBITBLT, EMRBITBLT, 100)
#define EMRSTRETCHBLT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, L, xDest, 24)    \
    X(T, L, yDest, 28) X(T, L, cxDest, 32) X(T, L, cyDest, 36) X(T, UL, dwRop, 40) X(T, L, xSrc, 44)                 \
    X(T, L, ySrc, 48) X(T, EMB, xformSrc, 52, cls_XFORM) X(T, UL, crBkColorSrc, 76) X(T, UL, iUsageSrc, 80)          \
    X(T, UL, offBmiSrc, 84) X(T, UL, cbBmiSrc, 88) X(T, UL, offBitsSrc, 92) X(T, UL, cbBitsSrc, 96)                  \
    X(T, L, cxSrc, 100) X(T, L, cySrc, 104)
STRUCTURE(EMRSTRETCHBLT, EMRSTRETCHBLT, 108)
#define EMRMASKBLT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, L, xDest, 24)       \
    X(T, L, yDest, 28) X(T, L, cxDest, 32) X(T, L, cyDest, 36) X(T, UL, dwRop, 40) X(T, L, xSrc, 44)                 \
    X(T, L, ySrc, 48) X(T, EMB, xformSrc, 52, cls_XFORM) X(T, UL, crBkColorSrc, 76) X(T, UL, iUsageSrc, 80)          \
    X(T, UL, offBmiSrc, 84) X(T, UL, cbBmiSrc, 88) X(T, UL, offBitsSrc, 92) X(T, UL, cbBitsSrc, 96)                  \
    X(T, L, xMask, 100) X(T, L, yMask, 104) X(T, UL, iUsageMask, 108) X(T, UL, offBmiMask, 112)                      \
    X(T, UL, cbBmiMask, 116) X(T, UL, offBitsMask, 120) X(T, UL, cbBitsMask, 124)
STRUCTURE(EMRMASKBLT, EMRMASKBLT, 128)
#define EMRPLGBLT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, L, xSrc, 48)         \
    X(T, L, ySrc, 52) X(T, L, cxSrc, 56) X(T, L, cySrc, 60) X(T, EMB, xformSrc, 64, cls_XFORM)                       \
    X(T, UL, crBkColorSrc, 88) X(T, UL, iUsageSrc, 92) X(T, UL, offBmiSrc, 96) X(T, UL, cbBmiSrc, 100)               \
    X(T, UL, offBitsSrc, 104) X(T, UL, cbBitsSrc, 108) X(T, L, xMask, 112) X(T, L, yMask, 116)                       \
    X(T, UL, iUsageMask, 120) X(T, UL, offBmiMask, 124) X(T, UL, cbBmiMask, 128) X(T, UL, offBitsMask, 132)          \
    X(T, UL, cbBitsMask, 136)
STRUCTURE(EMRPLGBLT, EMRPLGBLT, 140)
#define EMRSETDIBITSTODEVICE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL)                \
    X(T, L, xDest, 24) X(T, L, yDest, 28) X(T, L, xSrc, 32) X(T, L, ySrc, 36) X(T, L, cxSrc, 40) X(T, L, cySrc, 44)  \
    X(T, UL, offBmiSrc, 48) X(T, UL, cbBmiSrc, 52) X(T, UL, offBitsSrc, 56) X(T, UL, cbBitsSrc, 60)                  \
    X(T, UL, iUsageSrc, 64) X(T, UL, iStartScan, 68) X(T, UL, cScans, 72)
STRUCTURE(EMRSETDIBITSTODEVICE, EMRSETDIBITSTODEVICE, 76)
#define EMRSTRETCHDIBITS_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, L, xDest, 24) \
    X(T, L, yDest, 28) X(T, L, xSrc, 32) X(T, L, ySrc, 36) X(T, L, cxSrc, 40) X(T, L, cySrc, 44)                     \
    X(T, UL, offBmiSrc, 48) X(T, UL, cbBmiSrc, 52) X(T, UL, offBitsSrc, 56) X(T, UL, cbBitsSrc, 60)                  \
    X(T, UL, iUsageSrc, 64) X(T, UL, dwRop, 68) X(T, L, cxDest, 72) X(T, L, cyDest, 76)
STRUCTURE(EMRSTRETCHDIBITS, EMRSTRETCHDIBITS, 80)
#define EMREXTCREATEFONTINDIRECTW_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihFont, 8)                          \
    X(T, EMB, elfw, 12, cls_EXTLOGFONT)
STRUCTURE(EMREXTCREATEFONTINDIRECTW, EMREXTCREATEFONTINDIRECTW, 332)
#define EMRCREATEPALETTE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihPal, 8) X(T, EMB, lgpl, 12, cls_LOGPALETTE)
STRUCTURE(EMRCREATEPALETTE, EMRCREATEPALETTE, 20)
#define EMRCREATEPEN_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihPen, 8) X(T, EMB, lopn, 12, cls_LOGPEN)
STRUCTURE(EMRCREATEPEN, EMRCREATEPEN, 28)
#define EMREXTCREATEPEN_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihPen, 8) X(T, UL, offBmi, 12)                \
    X(T, UL, cbBmi, 16) X(T, UL, offBits, 20) X(T, UL, cbBits, 24) X(T, EMB, elp, 28, cls_EXTLOGPEN)
STRUCTURE(EMREXTCREATEPEN, EMREXTCREATEPEN, 56)
#define EMRCREATEBRUSHINDIRECT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihBrush, 8)                            \
    X(T, EMB, lb, 12, cls_LOGBRUSH32)
STRUCTURE(EMRCREATEBRUSHINDIRECT, EMRCREATEBRUSHINDIRECT, 24)
#define EMRCREATEMONOBRUSH_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihBrush, 8) X(T, UL, iUsage, 12)           \
    X(T, UL, offBmi, 16) X(T, UL, cbBmi, 20) X(T, UL, offBits, 24) X(T, UL, cbBits, 28)
STRUCTURE(EMRCREATEMONOBRUSH, EMRCREATEMONOBRUSH, 32)
#define EMRCREATEDIBPATTERNBRUSHPT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihBrush, 8) X(T, UL, iUsage, 12)   \
    X(T, UL, offBmi, 16) X(T, UL, cbBmi, 20) X(T, UL, offBits, 24) X(T, UL, cbBits, 28)
STRUCTURE(EMRCREATEDIBPATTERNBRUSHPT, EMRCREATEDIBPATTERNBRUSHPT, 32)
#define EMRFORMAT_ROWS(X, T) X(T, UL, dSignature, 0) X(T, UL, nVersion, 4) X(T, UL, cbData, 8) X(T, UL, offData, 12)
STRUCTURE(EMRFORMAT, EMRFORMAT, 16)
#define EMRGLSRECORD_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, cbData, 8)
STRUCTURE(EMRGLSRECORD, EMRGLSRECORD, 16)
#define EMRGLSBOUNDEDRECORD_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL)                 \
    X(T, UL, cbData, 24)
STRUCTURE(EMRGLSBOUNDEDRECORD, EMRGLSBOUNDEDRECORD, 32)
#define EMRPIXELFORMAT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, pfd, 8, cls_PIXELFORMATDESCRIPTOR)
STRUCTURE(EMRPIXELFORMAT, EMRPIXELFORMAT, 48)
// The ANSI record (EMR_CREATECOLORSPACE): its colour space names the profile in narrow characters.
#define EMRCREATECOLORSPACE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihCS, 8)
STRUCTURE(EMRCREATECOLORSPACE, EMRCREATECOLORSPACE, 340)
#define EMRSETCOLORSPACE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihCS, 8)
STRUCTURE(EMRSETCOLORSPACE, EMRSETCOLORSPACE, 12)
#define EMREXTESCAPE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, I, iEscape, 8) X(T, I, cbEscData, 12)
STRUCTURE(EMREXTESCAPE, EMREXTESCAPE, 20)
#define EMRNAMEDESCAPE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, I, iEscape, 8) X(T, I, cbDriver, 12)               \
    X(T, I, cbEscData, 16)
STRUCTURE(EMRNAMEDESCAPE, EMRNAMEDESCAPE, 24)
#define EMRSETICMPROFILE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, dwFlags, 8) X(T, UL, cbName, 12)             \
    X(T, UL, cbData, 16)
STRUCTURE(EMRSETICMPROFILE, EMRSETICMPROFILEW, 24)
#define EMRCOLORMATCHTOTARGET_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, dwAction, 8) X(T, UL, dwFlags, 12)      \
    X(T, UL, cbName, 16) X(T, UL, cbData, 20)
STRUCTURE(EMRCOLORMATCHTOTARGET, EMRCOLORMATCHTOTARGET, 28)
#define EMRCOLORCORRECTPALETTE_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, UL, ihPalette, 8)                          \
    X(T, UL, nFirstEntry, 12) X(T, UL, nPalEntries, 16) X(T, UL, nReserved, 20)
STRUCTURE(EMRCOLORCORRECTPALETTE, EMRCOLORCORRECTPALETTE, 24)
#define EMRALPHABLEND_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, L, xDest, 24)    \
    X(T, L, yDest, 28) X(T, L, cxDest, 32) X(T, L, cyDest, 36) X(T, UL, dwRop, 40) X(T, L, xSrc, 44)                 \
    X(T, L, ySrc, 48) X(T, EMB, xformSrc, 52, cls_XFORM) X(T, UL, crBkColorSrc, 76) X(T, UL, iUsageSrc, 80)          \
    X(T, UL, offBmiSrc, 84) X(T, UL, cbBmiSrc, 88) X(T, UL, offBitsSrc, 92) X(T, UL, cbBitsSrc, 96)                  \
    X(T, L, cxSrc, 100) X(T, L, cySrc, 104)
STRUCTURE(EMRALPHABLEND, EMRALPHABLEND, 108)
#define EMRGRADIENTFILL_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, UL, nVer, 24)  \
    X(T, UL, nTri, 28) X(T, UL, ulMode, 32)
STRUCTURE(EMRGRADIENTFILL, EMRGRADIENTFILL, 52)
#define EMRTRANSPARENTBLT_ROWS(X, T) X(T, EMB, emr, 0, cls_EMR) X(T, EMB, rclBounds, 8, cls_RECTL)                   \
    X(T, L, xDest, 24) X(T, L, yDest, 28) X(T, L, cxDest, 32) X(T, L, cyDest, 36) X(T, UL, dwRop, 40)                \
    X(T, L, xSrc, 44) X(T, L, ySrc, 48) X(T, EMB, xformSrc, 52, cls_XFORM) X(T, UL, crBkColorSrc, 76)                \
    X(T, UL, iUsageSrc, 80) X(T, UL, offBmiSrc, 84) X(T, UL, cbBmiSrc, 88) X(T, UL, offBitsSrc, 92)                  \
    X(T, UL, cbBitsSrc, 96) X(T, L, cxSrc, 100) X(T, L, cySrc, 104)
STRUCTURE(EMRTRANSPARENTBLT, EMRTRANSPARENTBLT, 108)

// The rows, in the creation order of class_lists.h.
SECTION(gdi_classes, GDI_CLASSES)

// ---- OpenGL ----------------------------------------------------------------------------------------------------------

#define POINTFLOAT_ROWS(X, T) X(T, F, x, 0) X(T, F, y, 4)
STRUCTURE(POINTFLOAT, POINTFLOAT, 8)
#define GLYPHMETRICSFLOAT_ROWS(X, T) X(T, F, gmfBlackBoxX, 0) X(T, F, gmfBlackBoxY, 4)                               \
    X(T, EMB, gmfptGlyphOrigin, 8, cls_POINTFLOAT) X(T, F, gmfCellIncX, 16) X(T, F, gmfCellIncY, 20)
STRUCTURE(GLYPHMETRICSFLOAT, GLYPHMETRICSFLOAT, 24)
#define LAYERPLANEDESCRIPTOR_ROWS(X, T) X(T, US, nSize, 0) X(T, US, nVersion, 2) X(T, UL, dwFlags, 4)                \
    X(T, UC, iPixelType, 8) X(T, UC, cColorBits, 9) X(T, UC, cRedBits, 10) X(T, UC, cRedShift, 11)                   \
    X(T, UC, cGreenBits, 12) X(T, UC, cGreenShift, 13) X(T, UC, cBlueBits, 14) X(T, UC, cBlueShift, 15)              \
    X(T, UC, cAlphaBits, 16) X(T, UC, cAlphaShift, 17) X(T, UC, cAccumBits, 18) X(T, UC, cAccumRedBits, 19)          \
    X(T, UC, cAccumGreenBits, 20) X(T, UC, cAccumBlueBits, 21) X(T, UC, cAccumAlphaBits, 22)                         \
    X(T, UC, cDepthBits, 23) X(T, UC, cStencilBits, 24) X(T, UC, cAuxBuffers, 25) X(T, UC, iLayerPlane, 26)          \
    X(T, UC, bReserved, 27) X(T, UL, crTransparent, 28)
STRUCTURE(LAYERPLANEDESCRIPTOR, LAYERPLANEDESCRIPTOR, 32)
#define WGLSWAP_ROWS(X, T) X(T, UL, hdc, 0) X(T, UL, uiFlags, 4)
STRUCTURE(WGLSWAP, WGLSWAP, 8)

// The rows, in the creation order of class_lists.h.
SECTION(opengl_classes, OPENGL_CLASSES)

} // namespace savrawin
