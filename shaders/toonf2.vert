#version 110
// Cartoon shading: the diffuse term of light 0 is cut into a few flat bands.
varying vec3 normal;

void main()
{
    normal = gl_NormalMatrix * gl_Normal;
    gl_Position = ftransform();
}
