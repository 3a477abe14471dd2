#pragma once

class PlotView;
class Settings;

// Makes the plot window follow the settings from now on: the shape, its
// density, the model in use and the evaluated point. In the profile view
// that point lies in the plane of the view, at its distance from the axis.
void FollowSettings(PlotView& plots, const Settings& settings);
