#version 110
// One depth comparison per fragment: lit or in shadow.
uniform sampler2D texture0;
uniform sampler2DShadow shadowMap;
varying vec4 shadowCoord;
varying vec3 normal;
varying vec3 eyePosition;

// Fragments behind the light or outside its frustum are not shadowed.
bool insideLightFrustum(vec4 coord)
{
    vec3 p = coord.xyz / coord.w;
    return coord.w > 0.0 && all(greaterThanEqual(p.xy, vec2(0.0))) && all(lessThanEqual(p.xy, vec2(1.0)));
}

void main()
{
    float lit = insideLightFrustum(shadowCoord) ? shadow2DProj(shadowMap, shadowCoord).r : 1.0;
    vec3 n = normalize(normal);
    vec3 toLight = normalize(gl_LightSource[0].position.xyz - eyePosition * gl_LightSource[0].position.w);
    float diffuse = max(dot(n, toLight), 0.0) * lit;
    vec4 colour = gl_FrontLightModelProduct.sceneColor + gl_FrontLightProduct[0].ambient +
                  gl_FrontLightProduct[0].diffuse * diffuse;
    vec4 texel = texture2D(texture0, gl_TexCoord[0].st);
    gl_FragColor = vec4(colour.rgb * texel.rgb, gl_FrontMaterial.diffuse.a * texel.a);
}
