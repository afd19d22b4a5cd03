#version 110
// Percentage-closer filtering: the depth comparison is made on a 3 x 3 block
// of shadow-map texels and averaged, which softens the shadow's edge.
uniform sampler2D texture0;
uniform sampler2DShadow shadowMap;
varying vec4 shadowCoord;
varying vec3 normal;
varying vec3 eyePosition;

// Tap spacing: one texel of the engine's default 512 x 512 shadow map.
const float texelSize = 1.0 / 512.0;

// Fragments behind the light or outside its frustum are not shadowed.
bool insideLightFrustum(vec4 coord)
{
    vec3 p = coord.xyz / coord.w;
    return coord.w > 0.0 && all(greaterThanEqual(p.xy, vec2(0.0))) && all(lessThanEqual(p.xy, vec2(1.0)));
}

float litFraction(vec4 coord)
{
    float sum = 0.0;
    for (int y = -1; y <= 1; ++y) {
        for (int x = -1; x <= 1; ++x) {
            // Offsets are scaled by w because shadow2DProj divides by it.
            vec4 tap = coord + vec4(float(x) * texelSize * coord.w, float(y) * texelSize * coord.w, 0.0, 0.0);
            sum += shadow2DProj(shadowMap, tap).r;
        }
    }
    return sum / 9.0;
}

void main()
{
    float lit = insideLightFrustum(shadowCoord) ? litFraction(shadowCoord) : 1.0;
    vec3 n = normalize(normal);
    vec3 toLight = normalize(gl_LightSource[0].position.xyz - eyePosition * gl_LightSource[0].position.w);
    float diffuse = max(dot(n, toLight), 0.0) * lit;
    // The vertex colour is the surface's ambient and diffuse colour, as the
    // graphics core's colour-material setting makes it for fixed-function
    // drawing.
    vec3 light = gl_LightModel.ambient.rgb + gl_LightSource[0].ambient.rgb + gl_LightSource[0].diffuse.rgb * diffuse;
    vec4 texel = texture2D(texture0, gl_TexCoord[0].st);
    gl_FragColor = vec4(light * gl_Color.rgb * texel.rgb, gl_Color.a * texel.a);
}
