#version 110
// Parallax mapping of native models. "Tangent", "BiNormal" and "Normal" are
// the face's frame in the model's own coordinates. The camera position in
// those same coordinates comes from the inverse modelview matrix, which stays
// right however the model is moved, rotated or scaled; "Eye" holds the
// camera's world position and would only match an untransformed model.
uniform vec4 Tangent;
uniform vec4 BiNormal;
uniform vec4 Normal;
varying vec3 toEyeTangent;

void main()
{
    vec3 cameraInModel = gl_ModelViewMatrixInverse[3].xyz / gl_ModelViewMatrixInverse[3].w;
    vec3 toEye = cameraInModel - gl_Vertex.xyz / gl_Vertex.w;
    // The engine's binormal points along -v (it is built from corner
    // differences taken the other way round), hence the sign.
    toEyeTangent = vec3(dot(toEye, Tangent.xyz), -dot(toEye, BiNormal.xyz), dot(toEye, Normal.xyz));
    gl_FrontColor = gl_Color;
    gl_TexCoord[0] = gl_TextureMatrix[0] * gl_MultiTexCoord0;
    gl_Position = ftransform();
}
