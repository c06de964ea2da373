// Package server answers requests.
package server

import "net/http"

type Server struct {
	mux *http.ServeMux
}

type Handler interface {
	Serve(w http.ResponseWriter)
}

type ID = int

// New makes a server.
func New() *Server { return &Server{} }

func (s *Server) Handle(path string, h Handler) {
	f := func(x int) int { return x }
	_ = f
}

func Map[K comparable, V any](m map[K]V) []K {
	return nil
}
