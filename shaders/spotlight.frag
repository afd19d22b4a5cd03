#version 110
varying vec3 normal;
varying vec3 eyePosition;

void main()
{
    vec3 n = normalize(normal);
    vec3 toLight = gl_LightSource[0].position.xyz - eyePosition;
    float distance = length(toLight);
    toLight /= distance;
    vec4 colour = gl_FrontLightModelProduct.sceneColor;
    float spotCos = dot(normalize(gl_LightSource[0].spotDirection), -toLight);
    if (spotCos >= gl_LightSource[0].spotCosCutoff) {
        // A cut-off of 180 degrees is an ordinary point light.
        float spotEffect = gl_LightSource[0].spotCutoff >= 180.0
                               ? 1.0
                               : pow(max(spotCos, 0.0001), gl_LightSource[0].spotExponent);
        float attenuation = spotEffect /
                            (gl_LightSource[0].constantAttenuation +
                             gl_LightSource[0].linearAttenuation * distance +
                             gl_LightSource[0].quadraticAttenuation * distance * distance);
        float diffuse = max(dot(n, toLight), 0.0);
        vec3 halfVector = normalize(toLight - normalize(eyePosition));
        float specular =
            diffuse > 0.0 ? pow(max(dot(n, halfVector), 0.0001), gl_FrontMaterial.shininess) : 0.0;
        colour += attenuation * (gl_FrontLightProduct[0].ambient + gl_FrontLightProduct[0].diffuse * diffuse +
                                 gl_FrontLightProduct[0].specular * specular);
    }
    gl_FragColor = vec4(colour.rgb, gl_FrontMaterial.diffuse.a);
}
