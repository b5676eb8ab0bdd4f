// A broadleaf tree: a trunk under a crown of three overlapping spheres.
#declare Bark = color red 0.4 green 0.27 blue 0.13
#declare Leaf = color red 0.22 green 0.5 blue 0.12
#declare size = <-1.8, 0, -1.8>, <1.8, 5, 1.8>
cylinder { <0,0,0>, <0,2.4,0>,0.3 pigment { color Bark } }
sphere { <0,3.4,0>,1.5 pigment { color Leaf } }
sphere { <0.8,2.8,0.3>,1 pigment { color Leaf } }
sphere { <-0.7,3,-0.4>,1 pigment { color Leaf } }
