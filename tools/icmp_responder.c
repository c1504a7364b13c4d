/* Test fixture: answers ICMP echo requests to loopback addresses from a table, each after
 * its own delay, or never, or with one byte of data too few. Run it inside a network
 * namespace whose kernel ignores echoes (net.ipv4.icmp_echo_ignore_all=1).
 *
 *   icmp_responder TABLE [SECONDS]
 *
 * TABLE lines: "127.0.0.N DELAY_MS", "127.0.0.N silent" or "127.0.0.N short DELAY_MS".
 * The responder stops by itself after SECONDS (default 600). */
#include <arpa/inet.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

enum { MAX_ENTRIES = 256, MAX_PENDING = 1024, PACKET = 65536 };

struct entry {
  uint32_t address; /* network order */
  int delay_ms;
  int silent;
  int short_reply;
};

struct pending {
  long long due_ms;
  size_t length;
  unsigned char packet[2048];
};

static struct entry table[MAX_ENTRIES];
static int entries;
static struct pending queue[MAX_PENDING];
static int queued;

static long long now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

static uint16_t checksum(const void *data, size_t length) {
  const unsigned char *p = data;
  uint32_t sum = 0;
  for (size_t i = 0; i + 1 < length; i += 2) sum += (uint32_t)(p[i] << 8 | p[i + 1]);
  if (length & 1) sum += (uint32_t)(p[length - 1] << 8);
  while (sum >> 16) sum = (sum & 0xFFFF) + (sum >> 16);
  return htons((uint16_t)~sum);
}

static int load_table(const char *path) {
  FILE *f = fopen(path, "r");
  if (!f) return -1;
  char line[256], addr[64], word[32];
  while (fgets(line, sizeof line, f) && entries < MAX_ENTRIES) {
    int delay = 0;
    if (line[0] == '#' || sscanf(line, "%63s %31s %d", addr, word, &delay) < 2) continue;
    struct entry *e = &table[entries];
    memset(e, 0, sizeof *e);
    if (inet_pton(AF_INET, addr, &e->address) != 1) continue;
    if (strcmp(word, "silent") == 0) e->silent = 1;
    else if (strcmp(word, "short") == 0) { e->short_reply = 1; e->delay_ms = delay; }
    else e->delay_ms = atoi(word);
    entries++;
  }
  fclose(f);
  return 0;
}

static const struct entry *find(uint32_t address) {
  for (int i = 0; i < entries; i++)
    if (table[i].address == address) return &table[i];
  return NULL;
}

/* Builds the reply with its own IP header: from the pinged address back to the sender. */
static void schedule(const unsigned char *request, size_t length) {
  const struct iphdr *ip = (const struct iphdr *)request;
  size_t header = (size_t)ip->ihl * 4;
  if (length < header + 8 || ip->protocol != IPPROTO_ICMP) return;
  const struct icmphdr *icmp = (const struct icmphdr *)(request + header);
  if (icmp->type != ICMP_ECHO) return;
  const struct entry *e = find(ip->daddr);
  if (!e || e->silent || queued == MAX_PENDING) return;
  size_t icmp_length = length - header - (e->short_reply ? 1 : 0);
  if (sizeof(struct iphdr) + icmp_length > sizeof queue[0].packet) return;
  struct pending *p = &queue[queued++];
  memset(p, 0, sizeof *p);
  struct iphdr *out = (struct iphdr *)p->packet;
  out->version = 4;
  out->ihl = 5;
  out->ttl = 64;
  out->protocol = IPPROTO_ICMP;
  out->saddr = ip->daddr;
  out->daddr = ip->saddr;
  out->tot_len = htons((uint16_t)(sizeof(struct iphdr) + icmp_length));
  memcpy(p->packet + sizeof(struct iphdr), icmp, icmp_length);
  struct icmphdr *reply = (struct icmphdr *)(p->packet + sizeof(struct iphdr));
  reply->type = ICMP_ECHOREPLY;
  reply->checksum = 0;
  reply->checksum = checksum(reply, icmp_length);
  p->length = sizeof(struct iphdr) + icmp_length;
  p->due_ms = now_ms() + e->delay_ms;
}

static void send_due(int sock) {
  long long now = now_ms();
  for (int i = 0; i < queued;) {
    if (queue[i].due_ms > now) { i++; continue; }
    struct sockaddr_in to = {.sin_family = AF_INET};
    to.sin_addr.s_addr = ((struct iphdr *)queue[i].packet)->daddr;
    sendto(sock, queue[i].packet, queue[i].length, 0, (struct sockaddr *)&to, sizeof to);
    queue[i] = queue[--queued];
  }
}

static int next_timeout(void) {
  if (!queued) return 100;
  long long soonest = queue[0].due_ms;
  for (int i = 1; i < queued; i++)
    if (queue[i].due_ms < soonest) soonest = queue[i].due_ms;
  long long wait = soonest - now_ms();
  return wait < 0 ? 0 : (int)wait;
}

int main(int argc, char **argv) {
  if (argc < 2 || load_table(argv[1]) != 0) {
    fprintf(stderr, "usage: %s TABLE [SECONDS]\n", argv[0]);
    return 2;
  }
  long long end = now_ms() + (argc > 2 ? atoll(argv[2]) : 600) * 1000;
  int sock = socket(AF_INET, SOCK_RAW, IPPROTO_ICMP);
  int on = 1;
  if (sock < 0 || setsockopt(sock, IPPROTO_IP, IP_HDRINCL, &on, sizeof on) != 0) {
    perror("icmp_responder: raw socket");
    return 1;
  }
  unsigned char buffer[PACKET];
  while (now_ms() < end) {
    struct pollfd pfd = {.fd = sock, .events = POLLIN};
    if (poll(&pfd, 1, next_timeout()) > 0) {
      ssize_t n = recv(sock, buffer, sizeof buffer, 0);
      if (n > 0) schedule(buffer, (size_t)n);
    }
    send_due(sock);
  }
  return 0;
}
