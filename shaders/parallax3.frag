#version 110
// The colour lookup is shifted along the eye vector by the surface height:
// mid grey in the height map is the face itself, white is raised, black sunk.
uniform sampler2D testTexture;
uniform sampler2D HeightTexture;
varying vec3 toEyeTangent;

const float heightScale = 0.04;
const float heightBias = -0.02;

void main()
{
    vec2 uv = gl_TexCoord[0].st;
    float height = texture2D(HeightTexture, uv).r * heightScale + heightBias;
    // Offset limiting (no division by the eye vector's z) keeps grazing
    // angles from tearing the texture apart.
    vec2 shifted = uv + height * normalize(toEyeTangent).xy;
    gl_FragColor = texture2D(testTexture, shifted) * gl_Color;
}
