#pragma once

// An editor description that uses every custom view name and every
// sub-controller kind, with small images of its own. Written into a folder as
// "Kestrix.uidesc", it stands in for the effect's description.
namespace panel_description
{
inline constexpr const char* kText = R"(<?xml version="1.0" encoding="UTF-8"?>
<vstgui-ui-description version="1">
  <bitmaps>
    <bitmap name="strip" path="strip.png"/>
    <bitmap name="lit" path="lit.png"/>
    <bitmap name="unlit" path="unlit.png"/>
    <bitmap name="track" path="track.png"/>
    <bitmap name="handle" path="handle.png"/>
    <bitmap name="kick" path="kick.png"/>
  </bitmaps>
  <template name="Editor" class="CViewContainer" origin="0, 0" size="400, 300"
            minSize="400, 300" maxSize="400, 300">
    <view custom-view-name="AlphaWheelKnobView" class="CAnimKnob" origin="0, 0" size="20, 20"
          control-tag="32771" bitmap="strip" background-offset="0, 0"
          height-of-one-image="20" sub-pixmaps="3"/>
    <view class="CViewContainer" origin="30, 0" size="200, 40" sub-controller="LCDController">
      <view class="CAnimKnob" origin="0, 0" size="20, 20" bitmap="strip"
            height-of-one-image="20" sub-pixmaps="3"/>
      <view class="CTextEdit" origin="30, 0" size="60, 16" control-tag="0"/>
    </view>
    <view class="CViewContainer" origin="240, 0" size="150, 20"
          sub-controller="LCDControllerControlName">
      <view class="CTextLabel" origin="0, 0" size="140, 16" title="LCD Control Name"/>
    </view>
    <view class="CViewContainer" origin="240, 20" size="150, 20"
          sub-controller="LCDControllerIndexCount">
      <view class="CTextLabel" origin="0, 0" size="60, 16" title="1/N"/>
    </view>
    <view class="CViewContainer" origin="0, 50" size="110, 110" sub-controller="VectorJoystick">
      <view custom-view-name="Joystick" class="CXYPad" origin="0, 0" size="110, 110"
            back-color="~ BlackCColor" frame-color="~ WhiteCColor" font-color="~ RedCColor"
            frame-width="1" round-rect-radius="10" style-round-rect="false" style-no-frame="false"/>
    </view>
    <view class="CViewContainer" origin="120, 50" size="110, 110" sub-controller="TrackPad_X0_Y4">
      <view custom-view-name="TrackPad" class="CXYPad" origin="0, 0" size="110, 110"
            back-color="~ BlackCColor" frame-color="~ WhiteCColor" font-color="~ RedCColor"
            frame-width="1" round-rect-radius="10" style-round-rect="true" style-no-frame="false"/>
    </view>
    <view custom-view-name="MeterView" class="CVuMeter" origin="240, 50" size="10, 100"
          control-tag="3" bitmap="lit" off-bitmap="unlit" num-led="10"/>
    <view custom-view-name="InvertedMeterView" class="CVuMeter" origin="255, 50" size="10, 100"
          control-tag="3" bitmap="lit" off-bitmap="unlit" num-led="10"/>
    <view custom-view-name="AnalogMeterView_H20_Z2" class="CVuMeter" origin="270, 50"
          size="20, 20" control-tag="3" bitmap="strip" off-bitmap="strip" num-led="3"/>
    <view custom-view-name="InvertedAnalogMeterView_H20_Z2" class="CVuMeter" origin="300, 50"
          size="20, 20" control-tag="3" bitmap="strip" off-bitmap="strip" num-led="3"/>
    <view custom-view-name="KnobSwitchView" class="CAnimKnob" origin="0, 170" size="20, 20"
          control-tag="2" bitmap="strip" background-offset="0, 0" height-of-one-image="20"
          sub-pixmaps="3"/>
    <view custom-view-name="SliderSwitchView" class="CSlider" origin="30, 170" size="100, 20"
          control-tag="1" bitmap="track" handle-bitmap="handle" handle-offset="0, 0"
          orientation="horizontal"/>
    <view custom-view-name="SliderSwitchView" class="CSlider" origin="140, 170" size="20, 100"
          control-tag="4" bitmap="track" handle-bitmap="handle" handle-offset="0, 0"
          orientation="vertical"/>
    <view custom-view-name="ZolmKickButton" class="CKickButton" origin="170, 170" size="40, 20"
          control-tag="32768" bitmap="kick" background-offset="0, 0"/>
  </template>
</vstgui-ui-description>
)";

// Image name (without ".png"), width, height.
struct Image
{
    const char* name;
    int width;
    int height;
};
inline constexpr Image kImages[] = {
    {"strip", 20, 60},   {"lit", 10, 100},   {"unlit", 10, 100},
    {"track", 100, 100}, {"handle", 10, 10}, {"kick", 40, 40},
};
} // namespace panel_description
