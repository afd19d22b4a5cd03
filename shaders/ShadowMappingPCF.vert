#version 110
// Shadow map lookup for light 0 with percentage-closer filtering. Texture matrix 1 maps eye space to the
// light's texture space (bias x light projection x light view x inverse
// camera view), so it is applied to the eye-space position.
varying vec4 shadowCoord;
varying vec3 normal;
varying vec3 eyePosition;

void main()
{
    vec4 eye = gl_ModelViewMatrix * gl_Vertex;
    shadowCoord = gl_TextureMatrix[1] * eye;
    eyePosition = eye.xyz;
    normal = gl_NormalMatrix * gl_Normal;
    gl_FrontColor = gl_Color;
    gl_TexCoord[0] = gl_TextureMatrix[0] * gl_MultiTexCoord0;
    gl_Position = ftransform();
}
