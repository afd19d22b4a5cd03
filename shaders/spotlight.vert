#version 110
// Spot light 0: a point light limited to its cone, per fragment.
varying vec3 normal;
varying vec3 eyePosition;

void main()
{
    normal = gl_NormalMatrix * gl_Normal;
    eyePosition = vec3(gl_ModelViewMatrix * gl_Vertex);
    gl_Position = ftransform();
}
