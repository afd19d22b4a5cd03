#version 110
uniform sampler2D heightMap;

// Water, sand, grass, rock and snow from the lowest to the highest height.
vec3 terrainColour(float height)
{
    vec3 water = vec3(0.10, 0.25, 0.60);
    vec3 sand = vec3(0.80, 0.75, 0.50);
    vec3 grass = vec3(0.20, 0.55, 0.15);
    vec3 rock = vec3(0.45, 0.40, 0.35);
    vec3 snow = vec3(0.95, 0.95, 1.00);
    vec3 colour = mix(water, sand, smoothstep(0.20, 0.30, height));
    colour = mix(colour, grass, smoothstep(0.30, 0.45, height));
    colour = mix(colour, rock, smoothstep(0.60, 0.75, height));
    return mix(colour, snow, smoothstep(0.80, 0.90, height));
}

void main()
{
    float height = texture2D(heightMap, gl_TexCoord[0].st).r;
    gl_FragColor = vec4(terrainColour(height), 1.0) * gl_Color;
}
