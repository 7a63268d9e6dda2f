#include "widgets/radar_bar.h"

#include "core/canvas.h"
#include "core/host.h"
#include "core/pixel_math.h"
#include "core/settings.h"

namespace {

// 100 / 3997 as a double: a raw oxygen value of 3997 is a full gauge.
constexpr double kOxygenToPercent = 0.02501876407305479;

// Each pixel quantity is scaled again at every place it is used, as the screen can change.
int32_t X() { return ScaleX(Settings.RadarBar.fX); }
int32_t Y() { return ScaleY(Settings.RadarBar.fY); }
int32_t W() { return ScaleX(Settings.RadarBar.fWidth); }
int32_t H() { return ScaleY(Settings.RadarBar.fHeight); }
// The border is scaled vertically everywhere, also where it is used as a horizontal gap.
int32_t B() { return ScaleY(Settings.RadarBar.fBorder); }

int32_t InnerY() { return WrapAdd(Y(), B()); }
int32_t InnerHeight() { return WrapSub(H(), WrapAdd(B(), B())); }
int32_t HalfGaugeWidth() { return WrapSub(Half(W()), Half(B())); }

// The darker track behind a fill: the alpha byte moves on by 0x45, wrapping.
uint32_t TrackColor(uint32_t color) { return color + 0x45000000u; }

// Readings of the local character; 0 while it is missing (the caller has already checked).
float Ped(float (CPed::*operation)()) {
  CPed* ped = PEDSELF;
  return ped != nullptr ? (ped->*operation)() : 0.0f;
}
bool OxygenActive() {
  CPed* ped = PEDSELF;
  return ped != nullptr && ped->pedOxygenActive();
}

// Capped at 100 from above; uncapped, the value is asked for again.
float HealthPercent() { return Ped(&CPed::pedHealth) > 100.0f ? 100.0f : Ped(&CPed::pedHealth); }
float ArmorPercent() { return Ped(&CPed::pedArmor) > 100.0f ? 100.0f : Ped(&CPed::pedArmor); }
double OxygenPercent() {
  if (static_cast<double>(Ped(&CPed::pedOxygen)) * kOxygenToPercent > 100.0) return 100.0;
  return static_cast<double>(Ped(&CPed::pedOxygen)) * kOxygenToPercent;
}

// The pixel width a reading fills: the reading times 1% of the bar width, then scaled.
int32_t FillWidth(double reading) {
  const float fillFactor = Settings.RadarBar.fWidth * 0.01f;
  return ScaleX(static_cast<float>(reading * static_cast<double>(fillFactor)));
}

void Box(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t color) {
  SF->getRender()->DrawBox(x, y, w, h, color);
}

void DrawOneGauge() {
  const uint32_t health = Settings.RadarBar.iHealthColor;
  Box(X(), InnerY(), W(), InnerHeight(), TrackColor(health));
  Box(X(), InnerY(), FillWidth(HealthPercent()), InnerHeight(), health);
}

void DrawTwoGauges() {
  const uint32_t health = Settings.RadarBar.iHealthColor;
  Box(X(), InnerY(), HalfGaugeWidth(), InnerHeight(), TrackColor(health));
  Box(X(), InnerY(), WrapSub(Half(FillWidth(HealthPercent())), Half(B())), InnerHeight(), health);

  // Oxygen takes the right gauge whenever its gauge is active, whatever the armour.
  const bool oxygen = OxygenActive();
  const uint32_t color = oxygen ? Settings.RadarBar.iOxygenColor : Settings.RadarBar.iArmorColor;
  const int32_t rightX = WrapAdd(WrapSub(WrapAdd(X(), W()), Half(W())), Half(B()));
  Box(rightX, InnerY(), HalfGaugeWidth(), InnerHeight(), TrackColor(color));
  const double reading = oxygen ? OxygenPercent() : static_cast<double>(ArmorPercent());
  Box(rightX, InnerY(), WrapSub(Half(FillWidth(reading)), Half(B())), InnerHeight(), color);
}

}  // namespace

void DrawRadarBar() {
  if (PEDSELF == nullptr) return;
  Box(X(), Y(), W(), H(), Settings.RadarBar.iBorderColor);
  // Any armour other than 0 (NaN included, -0.0 not) splits the bar.
  if (Ped(&CPed::pedArmor) != 0.0f || OxygenActive()) {
    DrawTwoGauges();
  } else {
    DrawOneGauge();
  }
}
