#version 110
// Point light 0 with distance attenuation and a specular highlight, per fragment.
varying vec3 normal;
varying vec3 eyePosition;

void main()
{
    normal = gl_NormalMatrix * gl_Normal;
    eyePosition = vec3(gl_ModelViewMatrix * gl_Vertex);
    gl_Position = ftransform();
}
