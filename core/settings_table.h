// Every setting the module reads while it loads, in the file's fixed order: one list that both
// loads the settings and lets tools check a settings file key by key.
#pragma once

#include "core/settings.h"

// Calls visit.Bool(section, key, member), visit.Float(section, key, member) or
// visit.Color(section, stem, member) for each setting of settings, in reading order.
template <typename Visitor>
void VisitSettings(SettingsRecord& settings, Visitor& visit) {
  ComponentSettings& components = settings.Components;
  visit.Bool("Components", "bRadarBar", components.bRadarBar);
  visit.Bool("Components", "bMoney", components.bMoney);
  visit.Bool("Components", "bAmmo", components.bAmmo);
  visit.Bool("Components", "bCrosshair", components.bCrosshair);
  visit.Bool("Components", "bStar", components.bStar);

  visit.Float("Radar", "fX", settings.Radar.fX);
  visit.Float("Radar", "fY", settings.Radar.fY);

  RadarBarSettings& bar = settings.RadarBar;
  visit.Float("RadarBar", "fX", bar.fX);
  visit.Float("RadarBar", "fY", bar.fY);
  visit.Float("RadarBar", "fWidth", bar.fWidth);
  visit.Float("RadarBar", "fHeight", bar.fHeight);
  visit.Float("RadarBar", "fBorder", bar.fBorder);
  visit.Color("RadarBar", "iHealthColor", bar.iHealthColor);
  visit.Color("RadarBar", "iArmorColor", bar.iArmorColor);
  visit.Color("RadarBar", "iOxygenColor", bar.iOxygenColor);
  visit.Color("RadarBar", "iBorderColor", bar.iBorderColor);

  MoneySettings& money = settings.Money;
  visit.Float("Money", "fX", money.fX);
  visit.Float("Money", "fY", money.fY);
  visit.Float("Money", "fYOffset", money.fYOffset);
  visit.Float("Money", "fLetterWidth", money.fLetterWidth);
  visit.Float("Money", "fLetterHeight", money.fLetterHeight);
  visit.Float("Money", "fLetterOffset", money.fLetterOffset);
  visit.Color("Money", "iPositiveColor", money.iPositiveColor);
  visit.Color("Money", "iNegativeColor", money.iNegativeColor);

  AmmoSettings& ammo = settings.Ammo;
  visit.Float("Ammo", "fX", ammo.fX);
  visit.Float("Ammo", "fY", ammo.fY);
  visit.Float("Ammo", "fXOffset", ammo.fXOffset);
  visit.Float("Ammo", "fYOffset", ammo.fYOffset);
  visit.Float("Ammo", "fLetterWidth", ammo.fLetterWidth);
  visit.Float("Ammo", "fLetterHeight", ammo.fLetterHeight);
  visit.Float("Ammo", "fLetterOffset", ammo.fLetterOffset);
  visit.Color("Ammo", "iTotalColor", ammo.iTotalColor);
  visit.Color("Ammo", "iClipColor", ammo.iClipColor);

  CrosshairSettings& crosshair = settings.Crosshair;
  visit.Float("Crosshair", "fX", crosshair.fX);
  visit.Float("Crosshair", "fY", crosshair.fY);
  visit.Float("Crosshair", "fWidth", crosshair.fWidth);
  visit.Float("Crosshair", "fHeight", crosshair.fHeight);
  visit.Color("Crosshair", "iReadyColor", crosshair.iReadyColor);
  visit.Color("Crosshair", "iReloadColor", crosshair.iReloadColor);

  StarSettings& star = settings.Star;
  visit.Float("Star", "fX", star.fX);
  visit.Float("Star", "fY", star.fY);
  visit.Float("Star", "fWidth", star.fWidth);
  visit.Float("Star", "fHeight", star.fHeight);
  visit.Float("Star", "fOffset", star.fOffset);
  visit.Color("Star", "iFullColor", star.iFullColor);
  visit.Color("Star", "iEmptyColor", star.iEmptyColor);
}
