#version 110
// Directional diffuse light 0, evaluated per vertex and interpolated.
void main()
{
    vec3 n = normalize(gl_NormalMatrix * gl_Normal);
    vec3 toLight = normalize(gl_LightSource[0].position.xyz);
    float diffuse = max(dot(n, toLight), 0.0);
    vec4 colour = gl_FrontLightModelProduct.sceneColor + gl_FrontLightProduct[0].ambient +
                  gl_FrontLightProduct[0].diffuse * diffuse;
    gl_FrontColor = vec4(colour.rgb, gl_FrontMaterial.diffuse.a);
    gl_Position = ftransform();
}
