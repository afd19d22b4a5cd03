#version 110
// Directional diffuse light 0, evaluated per fragment.
varying vec3 normal;

void main()
{
    normal = gl_NormalMatrix * gl_Normal;
    gl_Position = ftransform();
}
