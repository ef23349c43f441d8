#pragma once
// The VRML 97 standard nodes the library builds, each one declaration table with its initial values.
#include "holvane/export.hpp"
#include "holvane/node.hpp"

ATRIUM_EXPORT_BEGIN
namespace holvane {

#define HOLVANE_GROUPING_FIELDS(F)                       \
    F(eventIn, MFNode, addChildren, _, "")               \
    F(eventIn, MFNode, removeChildren, _, "")            \
    F(exposedField, MFNode, children, Children, "[]")    \
    F(field, SFVec3f, bboxCenter, BboxCenter, "0 0 0")   \
    F(field, SFVec3f, bboxSize, BboxSize, "-1 -1 -1")

#define HOLVANE_ANCHOR(F)                                   \
    F(eventIn, MFNode, addChildren, _, "")                  \
    F(eventIn, MFNode, removeChildren, _, "")               \
    F(exposedField, MFNode, children, Children, "[]")       \
    F(exposedField, SFString, description, Description, "\"\"") \
    F(exposedField, MFString, parameter, Parameter, "[]")   \
    F(exposedField, MFString, url, Url, "[]")               \
    F(field, SFVec3f, bboxCenter, BboxCenter, "0 0 0")      \
    F(field, SFVec3f, bboxSize, BboxSize, "-1 -1 -1")

#define HOLVANE_APPEARANCE(F)                              \
    F(exposedField, SFNode, material, Material, "NULL")    \
    F(exposedField, SFNode, texture, Texture, "NULL")      \
    F(exposedField, SFNode, textureTransform, TextureTransform, "NULL")

#define HOLVANE_BACKGROUND(F)                                 \
    F(eventIn, SFBool, set_bind, _, "")                       \
    F(exposedField, MFFloat, groundAngle, GroundAngle, "[]")  \
    F(exposedField, MFColor, groundColor, GroundColor, "[]")  \
    F(exposedField, MFString, backUrl, BackUrl, "[]")         \
    F(exposedField, MFString, bottomUrl, BottomUrl, "[]")     \
    F(exposedField, MFString, frontUrl, FrontUrl, "[]")       \
    F(exposedField, MFString, leftUrl, LeftUrl, "[]")         \
    F(exposedField, MFString, rightUrl, RightUrl, "[]")       \
    F(exposedField, MFString, topUrl, TopUrl, "[]")           \
    F(exposedField, MFFloat, skyAngle, SkyAngle, "[]")        \
    F(exposedField, MFColor, skyColor, SkyColor, "[0 0 0]")   \
    F(eventOut, SFBool, isBound, _, "")

#define HOLVANE_BILLBOARD(F)                                         \
    F(eventIn, MFNode, addChildren, _, "")                           \
    F(eventIn, MFNode, removeChildren, _, "")                        \
    F(exposedField, SFVec3f, axisOfRotation, AxisOfRotation, "0 1 0") \
    F(exposedField, MFNode, children, Children, "[]")                \
    F(field, SFVec3f, bboxCenter, BboxCenter, "0 0 0")               \
    F(field, SFVec3f, bboxSize, BboxSize, "-1 -1 -1")

#define HOLVANE_BOX(F) F(field, SFVec3f, size, Size, "2 2 2")

#define HOLVANE_COLOR(F) F(exposedField, MFColor, color, Color, "[]")

#define HOLVANE_CONE(F)                                   \
    F(field, SFFloat, bottomRadius, BottomRadius, "1")    \
    F(field, SFFloat, height, Height, "2")                \
    F(field, SFBool, side, Side, "TRUE")                  \
    F(field, SFBool, bottom, Bottom, "TRUE")

#define HOLVANE_COORDINATE(F) F(exposedField, MFVec3f, point, Point, "[]")

#define HOLVANE_INTERPOLATOR(F, VALUE)                       \
    F(eventIn, SFFloat, set_fraction, _, "")                 \
    F(exposedField, MFFloat, key, Key, "[]")                 \
    F(exposedField, MF##VALUE, keyValue, KeyValue, "[]")     \
    F(eventOut, SF##VALUE, value_changed, _, "")
#define HOLVANE_COORDINATE_INTERPOLATOR(F)                   \
    F(eventIn, SFFloat, set_fraction, _, "")                 \
    F(exposedField, MFFloat, key, Key, "[]")                 \
    F(exposedField, MFVec3f, keyValue, KeyValue, "[]")       \
    F(eventOut, MFVec3f, value_changed, _, "")
#define HOLVANE_POSITION_INTERPOLATOR(F) HOLVANE_INTERPOLATOR(F, Vec3f)
#define HOLVANE_ORIENTATION_INTERPOLATOR(F) HOLVANE_INTERPOLATOR(F, Rotation)
#define HOLVANE_COLOR_INTERPOLATOR(F) HOLVANE_INTERPOLATOR(F, Color)
#define HOLVANE_SCALAR_INTERPOLATOR(F) HOLVANE_INTERPOLATOR(F, Float)

#define HOLVANE_CYLINDER(F)                      \
    F(field, SFBool, bottom, Bottom, "TRUE")     \
    F(field, SFFloat, height, Height, "2")       \
    F(field, SFFloat, radius, Radius, "1")       \
    F(field, SFBool, side, Side, "TRUE")         \
    F(field, SFBool, top, Top, "TRUE")

#define HOLVANE_CYLINDER_SENSOR(F)                            \
    F(exposedField, SFBool, autoOffset, AutoOffset, "TRUE")   \
    F(exposedField, SFFloat, diskAngle, DiskAngle, "0.262")   \
    F(exposedField, SFBool, enabled, Enabled, "TRUE")         \
    F(exposedField, SFFloat, maxAngle, MaxAngle, "-1")        \
    F(exposedField, SFFloat, minAngle, MinAngle, "0")         \
    F(exposedField, SFFloat, offset, Offset, "0")             \
    F(eventOut, SFBool, isActive, _, "")                      \
    F(eventOut, SFRotation, rotation_changed, _, "")          \
    F(eventOut, SFVec3f, trackPoint_changed, _, "")

#define HOLVANE_DIRECTIONAL_LIGHT(F)                                  \
    F(exposedField, SFFloat, ambientIntensity, AmbientIntensity, "0") \
    F(exposedField, SFColor, color, Color, "1 1 1")                   \
    F(exposedField, SFVec3f, direction, Direction, "0 0 -1")          \
    F(exposedField, SFFloat, intensity, Intensity, "1")               \
    F(exposedField, SFBool, on, On, "TRUE")

#define HOLVANE_FONT_STYLE(F)                                 \
    F(field, MFString, family, Family, "[\"SERIF\"]")         \
    F(field, SFBool, horizontal, Horizontal, "TRUE")          \
    F(field, MFString, justify, Justify, "[\"BEGIN\"]")       \
    F(field, SFString, language, Language, "\"\"")           \
    F(field, SFBool, leftToRight, LeftToRight, "TRUE")        \
    F(field, SFFloat, size, Size, "1")                        \
    F(field, SFFloat, spacing, Spacing, "1")                  \
    F(field, SFString, style, Style, "\"PLAIN\"")             \
    F(field, SFBool, topToBottom, TopToBottom, "TRUE")

#define HOLVANE_INDEXED_FACE_SET(F)                               \
    F(eventIn, MFInt32, set_colorIndex, _, "")                    \
    F(eventIn, MFInt32, set_coordIndex, _, "")                    \
    F(eventIn, MFInt32, set_normalIndex, _, "")                   \
    F(eventIn, MFInt32, set_texCoordIndex, _, "")                 \
    F(exposedField, SFNode, color, Color, "NULL")                 \
    F(exposedField, SFNode, coord, Coord, "NULL")                 \
    F(exposedField, SFNode, normal, Normal, "NULL")               \
    F(exposedField, SFNode, texCoord, TexCoord, "NULL")           \
    F(field, SFBool, ccw, Ccw, "TRUE")                            \
    F(field, MFInt32, colorIndex, ColorIndex, "[]")               \
    F(field, SFBool, colorPerVertex, ColorPerVertex, "TRUE")      \
    F(field, SFBool, convex, Convex, "TRUE")                      \
    F(field, MFInt32, coordIndex, CoordIndex, "[]")               \
    F(field, SFFloat, creaseAngle, CreaseAngle, "0")              \
    F(field, MFInt32, normalIndex, NormalIndex, "[]")             \
    F(field, SFBool, normalPerVertex, NormalPerVertex, "TRUE")    \
    F(field, SFBool, solid, Solid, "TRUE")                        \
    F(field, MFInt32, texCoordIndex, TexCoordIndex, "[]")

#define HOLVANE_INDEXED_LINE_SET(F)                               \
    F(eventIn, MFInt32, set_colorIndex, _, "")                    \
    F(eventIn, MFInt32, set_coordIndex, _, "")                    \
    F(exposedField, SFNode, color, Color, "NULL")                 \
    F(exposedField, SFNode, coord, Coord, "NULL")                 \
    F(field, MFInt32, colorIndex, ColorIndex, "[]")               \
    F(field, SFBool, colorPerVertex, ColorPerVertex, "TRUE")      \
    F(field, MFInt32, coordIndex, CoordIndex, "[]")

#define HOLVANE_MATERIAL(F)                                              \
    F(exposedField, SFFloat, ambientIntensity, AmbientIntensity, "0.2")  \
    F(exposedField, SFColor, diffuseColor, DiffuseColor, "0.8 0.8 0.8")  \
    F(exposedField, SFColor, emissiveColor, EmissiveColor, "0 0 0")      \
    F(exposedField, SFFloat, shininess, Shininess, "0.2")                \
    F(exposedField, SFColor, specularColor, SpecularColor, "0 0 0")      \
    F(exposedField, SFFloat, transparency, Transparency, "0")

#define HOLVANE_NAVIGATION_INFO(F)                                      \
    F(eventIn, SFBool, set_bind, _, "")                                 \
    F(exposedField, MFFloat, avatarSize, AvatarSize, "[0.25 1.6 0.75]") \
    F(exposedField, SFBool, headlight, Headlight, "TRUE")               \
    F(exposedField, SFFloat, speed, Speed, "1")                         \
    F(exposedField, MFString, type, Type, "[\"WALK\" \"ANY\"]")         \
    F(exposedField, SFFloat, visibilityLimit, VisibilityLimit, "0")     \
    F(eventOut, SFBool, isBound, _, "")

#define HOLVANE_PLANE_SENSOR(F)                                  \
    F(exposedField, SFBool, autoOffset, AutoOffset, "TRUE")      \
    F(exposedField, SFBool, enabled, Enabled, "TRUE")            \
    F(exposedField, SFVec2f, maxPosition, MaxPosition, "-1 -1")  \
    F(exposedField, SFVec2f, minPosition, MinPosition, "0 0")    \
    F(exposedField, SFVec3f, offset, Offset, "0 0 0")            \
    F(eventOut, SFBool, isActive, _, "")                         \
    F(eventOut, SFVec3f, trackPoint_changed, _, "")              \
    F(eventOut, SFVec3f, translation_changed, _, "")

#define HOLVANE_POINT_LIGHT(F)                                        \
    F(exposedField, SFFloat, ambientIntensity, AmbientIntensity, "0") \
    F(exposedField, SFVec3f, attenuation, Attenuation, "1 0 0")       \
    F(exposedField, SFColor, color, Color, "1 1 1")                   \
    F(exposedField, SFFloat, intensity, Intensity, "1")               \
    F(exposedField, SFVec3f, location, Location, "0 0 0")             \
    F(exposedField, SFBool, on, On, "TRUE")                           \
    F(exposedField, SFFloat, radius, Radius, "100")

#define HOLVANE_SHAPE(F)                                     \
    F(exposedField, SFNode, appearance, Appearance, "NULL")  \
    F(exposedField, SFNode, geometry, Geometry, "NULL")

#define HOLVANE_SPHERE(F) F(field, SFFloat, radius, Radius, "1")

#define HOLVANE_SWITCH(F)                                    \
    F(exposedField, MFNode, choice, Choice, "[]")            \
    F(exposedField, SFInt32, whichChoice, WhichChoice, "-1")

#define HOLVANE_TEXT(F)                                      \
    F(exposedField, MFString, string, String, "[]")          \
    F(exposedField, SFNode, fontStyle, FontStyle, "NULL")    \
    F(exposedField, MFFloat, length, Length, "[]")           \
    F(exposedField, SFFloat, maxExtent, MaxExtent, "0")

#define HOLVANE_TIME_SENSOR(F)                                   \
    F(exposedField, SFTime, cycleInterval, CycleInterval, "1")   \
    F(exposedField, SFBool, enabled, Enabled, "TRUE")            \
    F(exposedField, SFBool, loop, Loop, "FALSE")                 \
    F(exposedField, SFTime, startTime, StartTime, "0")           \
    F(exposedField, SFTime, stopTime, StopTime, "0")             \
    F(eventOut, SFTime, cycleTime, _, "")                        \
    F(eventOut, SFFloat, fraction_changed, _, "")                \
    F(eventOut, SFBool, isActive, _, "")                         \
    F(eventOut, SFTime, time, _, "")

#define HOLVANE_TOUCH_SENSOR(F)                          \
    F(exposedField, SFBool, enabled, Enabled, "TRUE")    \
    F(eventOut, SFVec3f, hitNormal_changed, _, "")       \
    F(eventOut, SFVec3f, hitPoint_changed, _, "")        \
    F(eventOut, SFVec2f, hitTexCoord_changed, _, "")     \
    F(eventOut, SFBool, isActive, _, "")                 \
    F(eventOut, SFBool, isOver, _, "")                   \
    F(eventOut, SFTime, touchTime, _, "")

#define HOLVANE_TRANSFORM(F)                                                 \
    F(eventIn, MFNode, addChildren, _, "")                                   \
    F(eventIn, MFNode, removeChildren, _, "")                                \
    F(exposedField, SFVec3f, center, Center, "0 0 0")                        \
    F(exposedField, MFNode, children, Children, "[]")                        \
    F(exposedField, SFRotation, rotation, Rotation, "0 0 1 0")               \
    F(exposedField, SFVec3f, scale, Scale, "1 1 1")                          \
    F(exposedField, SFRotation, scaleOrientation, ScaleOrientation, "0 0 1 0") \
    F(exposedField, SFVec3f, translation, Translation, "0 0 0")              \
    F(field, SFVec3f, bboxCenter, BboxCenter, "0 0 0")                       \
    F(field, SFVec3f, bboxSize, BboxSize, "-1 -1 -1")

#define HOLVANE_VIEWPOINT(F)                                          \
    F(eventIn, SFBool, set_bind, _, "")                               \
    F(exposedField, SFFloat, fieldOfView, FieldOfView, "0.785398")    \
    F(exposedField, SFBool, jump, Jump, "TRUE")                       \
    F(exposedField, SFRotation, orientation, Orientation, "0 0 1 0")  \
    F(exposedField, SFVec3f, position, Position, "0 0 10")            \
    F(field, SFString, description, Description, "\"\"")              \
    F(eventOut, SFTime, bindTime, _, "")                              \
    F(eventOut, SFBool, isBound, _, "")

#define HOLVANE_WORLD_INFO(F)                        \
    F(field, MFString, info, Info, "[]")             \
    F(field, SFString, title, Title, "\"\"")

// The standard node classes, in alphabetical order; the factory creates them by these names.
#define HOLVANE_STANDARD_NODES(N)                                   \
    N(Anchor, HOLVANE_ANCHOR)                                       \
    N(Appearance, HOLVANE_APPEARANCE)                               \
    N(Background, HOLVANE_BACKGROUND)                               \
    N(Billboard, HOLVANE_BILLBOARD)                                 \
    N(Box, HOLVANE_BOX)                                             \
    N(Color, HOLVANE_COLOR)                                         \
    N(ColorInterpolator, HOLVANE_COLOR_INTERPOLATOR)                \
    N(Cone, HOLVANE_CONE)                                           \
    N(Coordinate, HOLVANE_COORDINATE)                               \
    N(CoordinateInterpolator, HOLVANE_COORDINATE_INTERPOLATOR)      \
    N(Cylinder, HOLVANE_CYLINDER)                                   \
    N(CylinderSensor, HOLVANE_CYLINDER_SENSOR)                      \
    N(DirectionalLight, HOLVANE_DIRECTIONAL_LIGHT)                  \
    N(FontStyle, HOLVANE_FONT_STYLE)                                \
    N(Group, HOLVANE_GROUPING_FIELDS)                               \
    N(IndexedFaceSet, HOLVANE_INDEXED_FACE_SET)                     \
    N(IndexedLineSet, HOLVANE_INDEXED_LINE_SET)                     \
    N(Material, HOLVANE_MATERIAL)                                   \
    N(NavigationInfo, HOLVANE_NAVIGATION_INFO)                      \
    N(OrientationInterpolator, HOLVANE_ORIENTATION_INTERPOLATOR)    \
    N(PlaneSensor, HOLVANE_PLANE_SENSOR)                            \
    N(PointLight, HOLVANE_POINT_LIGHT)                              \
    N(PositionInterpolator, HOLVANE_POSITION_INTERPOLATOR)          \
    N(ScalarInterpolator, HOLVANE_SCALAR_INTERPOLATOR)              \
    N(Shape, HOLVANE_SHAPE)                                         \
    N(Sphere, HOLVANE_SPHERE)                                       \
    N(Switch, HOLVANE_SWITCH)                                       \
    N(Text, HOLVANE_TEXT)                                           \
    N(TimeSensor, HOLVANE_TIME_SENSOR)                              \
    N(TouchSensor, HOLVANE_TOUCH_SENSOR)                            \
    N(Transform, HOLVANE_TRANSFORM)                                 \
    N(Viewpoint, HOLVANE_VIEWPOINT)                                 \
    N(WorldInfo, HOLVANE_WORLD_INFO)

#define HOLVANE_STANDARD_NODE(Class, LIST) HOLVANE_NODE_CLASS(Class, ::holvane::Node, standard, LIST)
HOLVANE_STANDARD_NODES(HOLVANE_STANDARD_NODE)
#undef HOLVANE_STANDARD_NODE

}  // namespace holvane
ATRIUM_EXPORT_END
